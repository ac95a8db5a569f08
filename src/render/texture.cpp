// The atlas loader: one PNG into one GL texture, then spriteman's tables.

#include "cfg.h"
#include "extra_functions.h"
#include "spriteman.h"

#include <QImage>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <iostream>

namespace
{

// RGBA bytes with the image's top row at v = 1, as GL reads rows bottom-up.
QImage texture_image(const std::string& name)
{
    const std::string path = cfg::tex_directory + name;
    std::cout << path << std::endl;
    QImage image(QString::fromStdString(path));
    if (image.isNull())
        return image;
    return image.convertToFormat(QImage::Format_RGBA8888).mirrored(false, true);
}

} // namespace

unsigned int extra_functions::make_texture(const std::string& name)
{
    const QImage image = texture_image(name);
    if (image.isNull())
        return 0;
    std::cout << "tex: w,h: " << image.width() << "," << image.height() << std::endl;

    QOpenGLContext* context = QOpenGLContext::currentContext();
    if (!context)
        return 0;
    QOpenGLFunctions* gl = context->functions();

    GLuint texture = 0;
    gl->glGenTextures(1, &texture);
    gl->glBindTexture(GL_TEXTURE_2D, texture);
    gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    gl->glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, image.width(), image.height(), 0, GL_RGBA,
                     GL_UNSIGNED_BYTE, image.constBits());

    spriteman::init(static_cast<float>(image.width()), static_cast<float>(image.height()));
    return texture;
}

bool extra_functions::refill_texture(unsigned int texture, const std::string& name)
{
    QOpenGLContext* context = QOpenGLContext::currentContext();
    if (texture == 0 || !context)
        return false;
    const QImage image = texture_image(name);
    // The tables address texels of the loaded size: another size would
    // draw every sprite from the wrong place.
    if (image.isNull() || image.width() != static_cast<int>(spriteman::sprite_width) ||
        image.height() != static_cast<int>(spriteman::sprite_height))
        return false;
    QOpenGLFunctions* gl = context->functions();
    gl->glBindTexture(GL_TEXTURE_2D, texture);
    gl->glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, image.width(), image.height(), 0, GL_RGBA,
                     GL_UNSIGNED_BYTE, image.constBits());
    return true;
}

void extra_functions::unmake_texture(unsigned int* texture)
{
    if (texture && *texture != 0) {
        if (QOpenGLContext* context = QOpenGLContext::currentContext())
            context->functions()->glDeleteTextures(1, texture);
        *texture = 0;
    }
    spriteman::deinit();
}
