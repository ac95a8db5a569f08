#ifndef CRUMBLEFORD_TESTS_WORLD_FIXTURE_H
#define CRUMBLEFORD_TESTS_WORLD_FIXTURE_H

// Builds small worlds from level text for the world tests.

#include "cfg.h"
#include "game_scene.h"
#include "myglitem.h"
#include "stockchar.h"

#include <QKeyEvent>
#include <QTemporaryDir>
#include <QWidget>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <string>

constexpr long long M = cfg::multiplier;

class world_test : public ::testing::Test
{
  protected:
    void TearDown() override
    {
        scene.reset();
        myglitem::viewport = {}; // a test may have resized it
    }

    // Writes the text to a file and loads it into a fresh scene.
    game_scene& load(const std::string& level_text)
    {
        scene = std::make_unique<game_scene>();
        load_more(level_text);
        return *scene;
    }
    bool load_more(const std::string& level_text)
    {
        const std::string path = write_file(level_text);
        testing::internal::CaptureStdout();
        const bool ok = scene->load_from_file(path);
        last_output = testing::internal::GetCapturedStdout();
        return ok;
    }
    std::string write_file(const std::string& text)
    {
        const std::string path = dir.filePath(QString("f%1.level").arg(files++)).toStdString();
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }

    void ticks(int n)
    {
        for (int i = 0; i < n; ++i)
            scene->tick();
    }
    void press(int key, bool autorepeat = false)
    {
        QKeyEvent e(QEvent::KeyPress, key, Qt::NoModifier, QString(), autorepeat);
        scene->keyPressEvent(&e);
    }
    void release(int key)
    {
        QKeyEvent e(QEvent::KeyRelease, key, Qt::NoModifier);
        scene->keyReleaseEvent(&e);
    }
    stockchar* character(size_t i) { return scene->characters.at(i); }

    QTemporaryDir dir;
    int files = 0;
    std::unique_ptr<game_scene> scene;
    std::string last_output;
};

#endif
