#include "settings_scene.h"

#include "MainWindow.h"
#include "atlas_table.h"
#include "bg_gl_item.h"
#include "catalogue.h"
#include "extra_functions.h"
#include "myglitem.h"
#include "sound_sink.h"
#include "spriteman.h"

#include <QGraphicsSceneMouseEvent>
#include <QGraphicsView>
#include <QLocale>
#include <algorithm>
#include <cmath>
#include <cstdio>

std::function<void(int)> settings_scene::apply_interface_size;
std::function<void(const std::string&)> settings_scene::apply_language;
std::function<myscene*()> settings_scene::make_controls_page;
const int settings_scene::interface_sizes[4] = {100, 125, 150, 200};

namespace
{

constexpr int arrow_size = 60; // the back arrow in the corner, pixels
// At the smallest window, pixels; larger windows scale them up to twice.
constexpr double panel_width = 680;
constexpr double row_height = 52;
constexpr double title_height = 64;
constexpr double letter_size = 20;
constexpr double title_letter_size = 30;
constexpr double value_column = 330; // from the panel's left edge
constexpr double mark_size = 28;     // the < and > marks

const float plate_tint[4] = {0.05f, 0.05f, 0.08f, 0.72f};
const float track_tint[4] = {0.1f, 0.1f, 0.15f, 0.75f};
const float fill_tint[4] = {0.95f, 0.72f, 0.22f, 0.95f};
// The volumes while the sound is off: still set, not heard.
const float silent_fill_tint[4] = {0.55f, 0.55f, 0.55f, 0.8f};
const float mark_tint[4] = {1.0f, 0.97f, 0.88f, 0.95f};

// A row's name in English: the layout knows the rows by it.
const char* label_of(settings_scene::row r)
{
    using row = settings_scene::row;
    switch (r) {
    case row::music:
        return CF_TR_NOOP("settings", "MUSIC");
    case row::effects:
        return CF_TR_NOOP("settings", "EFFECTS");
    case row::sound:
        return CF_TR_NOOP("settings", "SOUND");
    case row::full_screen:
        return CF_TR_NOOP("settings", "FULL SCREEN");
    case row::interface_size:
        return CF_TR_NOOP("settings", "INTERFACE SIZE");
    case row::language:
        return CF_TR_NOOP("settings", "LANGUAGE");
    case row::controls:
        return CF_TR_NOOP("settings", "CONTROLS");
    case row::back:
        return CF_TR_NOOP("settings", "BACK");
    }
    return "";
}

// A language by its own name, as its speakers look for it in a list.
std::string language_name(const std::string& choice)
{
    if (choice == "auto")
        return cf_tr("settings", "AUTO");
    if (choice == "en")
        return "ENGLISH";
    return QLocale(QString::fromStdString(choice)).nativeLanguageName().toUpper().toStdString();
}

bool is_volume(settings_scene::row r)
{
    return r == settings_scene::row::music || r == settings_scene::row::effects;
}

// Rows with a value to step through: the volumes and the choices.
bool has_value(settings_scene::row r)
{
    return r != settings_scene::row::controls && r != settings_scene::row::back;
}

// A text centred on (x, y) in letters of `size` pixels.
QRectF text_box(const std::string& text, double x, double y, double size)
{
    const double width = static_cast<double>(extra_functions::glyph_count(text)) * size;
    return QRectF(x - width / 2, y - size / 2, width, size);
}

void print(const std::string& text, const QRectF& box)
{
    extra_functions::print_gl_label(text, static_cast<int>(box.center().x()),
                                    static_cast<int>(box.center().y()),
                                    static_cast<int>(box.height()));
}

// A flat triangle pointing left or right, filling the box's height.
void draw_mark(const QRectF& box, bool right)
{
    const float tip_x = static_cast<float>(right ? box.right() : box.left());
    const float base_x = static_cast<float>(right ? box.left() : box.right());
    const float inset = static_cast<float>(box.width() * 0.15);
    const float corners[6] = {base_x + (right ? inset : -inset),
                              static_cast<float>(box.top()),
                              base_x + (right ? inset : -inset),
                              static_cast<float>(box.bottom()),
                              tip_x,
                              static_cast<float>(box.center().y())};
    myglitem::set_tint(mark_tint);
    myglitem::draw_strip(spriteman::tex_blank, corners, 3);
    myglitem::set_tint(spriteman::color_blank);
}

} // namespace

settings_scene::settings_scene(const std::string& settings_path, QObject* parent)
    : myscene(parent), store(settings_path)
{
    running = true;
    self_drawing = true;
    music = store.get_number("music_volume", 0, 100, 100);
    effects = store.get_number("effects_volume", 0, 100, 100);
    interface_size =
        std::stoi(store.get_choice("interface_size", {"100", "125", "150", "200"}, "100"));
    full_screen_without_window = store.get_choice("full_screen", {"yes", "no"}, "yes") == "yes";
    sound_on_without_sink = store.get("sound", "on") != "off";
    language = store.get_choice("language", language_choices(), "auto");
    background = new bg_gl_item(this, spriteman::tex_grassy_center, spriteman::tex_grassy_up,
                                spriteman::tex_grassy_down);
    resizeGL();
}

std::vector<settings_scene::row> settings_scene::rows() const
{
    std::vector<row> out = {row::music,       row::effects,        row::sound,
                            row::full_screen, row::interface_size, row::language};
    if (make_controls_page)
        out.push_back(row::controls);
    out.push_back(row::back);
    return out;
}

std::vector<std::string> settings_scene::language_choices()
{
    std::vector<std::string> out{"auto"};
    for (const std::string& code : lang::shipped())
        out.push_back(code);
    return out;
}

std::string settings_scene::language_code(const std::string& choice)
{
    return choice == "auto" ? lang::from_environment() : choice;
}

std::string settings_scene::saved_language(const std::string& path)
{
    return language_code(settings_store(path).get_choice("language", language_choices(), "auto"));
}

MainWindow* settings_scene::window() const
{
    for (QGraphicsView* v : views())
        if (auto* w = qobject_cast<MainWindow*>(v->window()))
            return w;
    return nullptr;
}

bool settings_scene::sound_on() const
{
    if (const sound_sink* sink = sound_sink::current())
        return !sink->muted();
    return sound_on_without_sink;
}

bool settings_scene::full_screen() const
{
    // F11 may change the mode while the screen is open: the window knows.
    if (const MainWindow* w = window())
        return w->isFullScreen();
    return full_screen_without_window;
}

void settings_scene::save(const char* key, const std::string& value)
{
    if (!store.set(key, value))
        std::fprintf(stderr, "Could not save the setting %s.\n", key);
}

void settings_scene::set_volume(row r, int percent)
{
    percent = std::clamp(percent, 0, 100);
    int& volume = r == row::music ? music : effects;
    if (!is_volume(r) || volume == percent)
        return;
    volume = percent;
    if (sound_sink* sink = sound_sink::current())
        sink->set_volumes(music, effects);
    save(r == row::music ? "music_volume" : "effects_volume", std::to_string(percent));
    // Heard at the new volume: the player knows how loud it now is.
    sound_sink::cue(sounds::button);
}

void settings_scene::step(row r, int direction)
{
    switch (r) {
    case row::music:
    case row::effects: {
        // A value saved off the steps comes back onto them.
        const int volume = r == row::music ? music : effects;
        const int below = (volume - 1) / volume_step * volume_step;
        const int above = (volume / volume_step + 1) * volume_step;
        set_volume(r, direction < 0 ? (volume == 0 ? 0 : below) : above);
        break;
    }
    case row::interface_size: {
        const int* end = interface_sizes + 4;
        int at =
            static_cast<int>(std::find(interface_sizes, end, interface_size) - interface_sizes);
        at = std::clamp(at + direction, 0, 3);
        if (interface_sizes[at] == interface_size)
            return;
        interface_size = interface_sizes[at];
        save("interface_size", std::to_string(interface_size));
        if (apply_interface_size)
            apply_interface_size(interface_size);
        sound_sink::cue(sounds::button);
        break;
    }
    case row::language: {
        // Round in both directions: the list is short.
        const std::vector<std::string> choices = language_choices();
        const int count = static_cast<int>(choices.size());
        const int at =
            static_cast<int>(std::find(choices.begin(), choices.end(), language) - choices.begin());
        language = choices[((at + direction) % count + count) % count];
        save("language", language);
        if (apply_language)
            apply_language(language_code(language));
        sound_sink::cue(sounds::button);
        break;
    }
    case row::sound:
    case row::full_screen:
        choose(r);
        break;
    case row::controls:
    case row::back:
        break;
    }
}

void settings_scene::choose(row r)
{
    switch (r) {
    case row::music:
    case row::effects:
        break; // a volume has no switch: Left and Right, or the bar
    case row::sound:
        if (sound_sink::current()) {
            // The player remembers it, as the M key does.
            sound_sink::toggle_mute();
        } else {
            sound_on_without_sink = !sound_on_without_sink;
            save("sound", sound_on_without_sink ? "on" : "off");
        }
        sound_sink::cue(sounds::button);
        break;
    case row::full_screen:
        if (MainWindow* w = window()) {
            w->toggle_window_mode(); // the window remembers it, as F11 does
        } else {
            full_screen_without_window = !full_screen_without_window;
            save("full_screen", full_screen_without_window ? "yes" : "no");
        }
        sound_sink::cue(sounds::button);
        break;
    case row::interface_size:
        // Round from the largest back to the smallest.
        if (interface_size == interface_sizes[3])
            step(r, -3);
        else
            step(r, 1);
        break;
    case row::language:
        step(r, 1);
        break;
    case row::controls:
        if (make_controls_page && !enter_request) {
            enter_request = make_controls_page();
            sound_sink::cue(sounds::button);
        }
        break;
    case row::back:
        leave_request = true;
        break;
    }
}

bool settings_scene::intent_event(const input::meaning& m, bool pressed, bool repeat)
{
    using input::intent;
    if (!pressed)
        return false;
    const std::vector<row> shown = rows();
    const int count = static_cast<int>(shown.size());
    const int at = static_cast<int>(std::find(shown.begin(), shown.end(), focused) - shown.begin());
    switch (m.menu) {
    case intent::up:
    case intent::previous:
        focused = shown[(at + count - 1) % count];
        return true;
    case intent::down:
    case intent::next:
        focused = shown[(at + 1) % count];
        return true;
    case intent::left:
    case intent::right:
        // A held arrow slides a volume; a switch flips once a press.
        if (!repeat || is_volume(focused) || focused == row::interface_size ||
            focused == row::language)
            step(focused, m.menu == intent::left ? -1 : 1);
        return true;
    case intent::confirm:
        if (!repeat)
            choose(focused);
        return true;
    case intent::back:
        leave_request = true;
        return true;
    default:
        return false;
    }
}

double settings_scene::scale() const
{
    const double by_width = myglitem::viewport_width() / 800.0;
    const double by_height = myglitem::viewport_height() / 480.0;
    return std::clamp(std::min(by_width, by_height), 1.0, 2.0);
}

double settings_scene::title_centre_y() const
{
    const double s = scale();
    const double block = (title_height + row_height * static_cast<double>(rows().size())) * s;
    const double top = std::max(0.0, (myglitem::viewport_height() - block) / 2);
    return top + title_height * s / 2;
}

settings_scene::row_places settings_scene::places_of(int index) const
{
    const double s = scale();
    const double left = (myglitem::viewport_width() - panel_width * s) / 2;
    const double right = left + panel_width * s;
    const double top = title_centre_y() + title_height * s / 2 + index * row_height * s;
    const double centre_y = top + row_height * s / 2;
    const double size = std::round(letter_size * s);
    const row r = rows()[index];
    row_places p;
    p.plate = QRectF(left, top + 4 * s, panel_width * s, (row_height - 8) * s);
    const std::string label = cf_tr("settings", label_of(r));
    p.label = text_box(
        label, left + 16 * s + static_cast<double>(extra_functions::glyph_count(label)) * size / 2,
        centre_y, size);
    if (!has_value(r))
        return p;
    const double v_left = left + value_column * s;
    const double v_right = right - 16 * s;
    const double mark = mark_size * s;
    p.less = QRectF(v_left, centre_y - mark / 2, mark, mark);
    if (is_volume(r)) {
        // < the bar > and the number.
        const double number_width = 3 * size;
        p.value = QRectF(v_right - number_width, centre_y - size / 2, number_width, size);
        p.more = QRectF(p.value.left() - 10 * s - mark, centre_y - mark / 2, mark, mark);
        p.bar = QRectF(p.less.right() + 12 * s, centre_y - 7 * s,
                       p.more.left() - 12 * s - (p.less.right() + 12 * s), 14 * s);
    } else {
        p.more = QRectF(v_right - mark, centre_y - mark / 2, mark, mark);
        p.value = QRectF(p.less.right(), centre_y - size / 2, p.more.left() - p.less.right(), size);
    }
    return p;
}

void settings_scene::resizeGL()
{
    if (auto* bg = static_cast<bg_gl_item*>(background)) {
        // The atlas tables may appear after the scene was made.
        bg->tex = spriteman::tex_grassy_center;
        bg->tex_up = spriteman::tex_grassy_up;
        bg->tex_down = spriteman::tex_grassy_down;
        bg->resizeGL();
    }
    setSceneRect(0, 0, myglitem::viewport_width(), myglitem::viewport_height());
}

void settings_scene::advance()
{
    repaint_request = repaint::if_focused;
}

void settings_scene::updateGL()
{
    myscene::updateGL();
    const double s = scale();
    float quad[8];
    if (const float* sky = spriteman::tex_grassy_up) {
        // The title's sky without the game's name and the sun, which the
        // screen's own title would sit on: the sky strip's left column,
        // which holds neither, carried across the window.
        const float half = 0.5f / atlas::size;
        const float u = sky[0] + half;
        const float column[8] = {u, sky[1] - half, u, sky[1] - half,
                                 u, sky[5] + half, u, sky[5] + half};
        const float w = static_cast<float>(myglitem::viewport_width());
        myglitem::set_quad(quad, 0, 0, w, w * (sky[1] - sky[5]) / (sky[2] - sky[0]));
        myglitem::draw_strip(column, quad);
    }
    myglitem::set_quad(quad, 0, 0, arrow_size, arrow_size);
    myglitem::draw_strip(spriteman::tex_back, quad);
    const std::string title = cf_tr("settings", "SETTINGS");
    print(title, text_box(title, myglitem::viewport_width() / 2.0, title_centre_y(),
                          std::round(title_letter_size * s)));
    const std::vector<row> shown = rows();
    for (int i = 0; i < static_cast<int>(shown.size()); ++i) {
        const row r = shown[i];
        const row_places p = places_of(i);
        myglitem::draw_flat_rect(p.plate.left(), p.plate.top(), p.plate.right(), p.plate.bottom(),
                                 plate_tint);
        print(cf_tr("settings", label_of(r)), p.label);
        if (r == row::controls) {
            // Where the row leads.
            const double mark = mark_size * s;
            draw_mark(QRectF(p.plate.right() - 16 * s - mark, p.plate.center().y() - mark / 2, mark,
                             mark),
                      true);
        }
        if (has_value(r)) {
            draw_mark(p.less, false);
            draw_mark(p.more, true);
        }
        if (is_volume(r)) {
            const int volume = r == row::music ? music : effects;
            myglitem::draw_flat_rect(p.bar.left(), p.bar.top(), p.bar.right(), p.bar.bottom(),
                                     track_tint);
            const double filled = p.bar.left() + p.bar.width() * volume / 100.0;
            myglitem::draw_flat_rect(p.bar.left(), p.bar.top(), filled, p.bar.bottom(),
                                     sound_on() ? fill_tint : silent_fill_tint);
            const std::string number = std::to_string(volume);
            print(number, text_box(number, p.value.right() - number.size() * p.value.height() / 2,
                                   p.value.center().y(), p.value.height()));
        } else if (has_value(r)) {
            const std::string value =
                r == row::sound ? (sound_on() ? cf_tr("settings", "ON") : cf_tr("settings", "OFF"))
                : r == row::full_screen
                    ? (full_screen() ? cf_tr("settings", "YES") : cf_tr("settings", "NO"))
                : r == row::language ? language_name(language)
                                     : std::to_string(interface_size);
            print(value,
                  text_box(value, p.value.center().x(), p.value.center().y(), p.value.height()));
        }
        if (keys_in_use && r == focused) {
            const float margin = static_cast<float>(3 * s);
            myglitem::draw_focus_frame(p.plate.left() - margin, p.plate.top() - margin,
                                       p.plate.right() + margin, p.plate.bottom() + margin);
        }
    }
}

std::vector<layout_box> settings_scene::layout_boxes() const
{
    std::vector<layout_box> out;
    out.push_back({QStringLiteral("back arrow"), QRectF(0, 0, arrow_size, arrow_size)});
    out.push_back({QStringLiteral("SETTINGS"),
                   text_box(cf_tr("settings", "SETTINGS"), myglitem::viewport_width() / 2.0,
                            title_centre_y(), std::round(title_letter_size * scale()))});
    const std::vector<row> shown = rows();
    for (int i = 0; i < static_cast<int>(shown.size()); ++i) {
        const row_places p = places_of(i);
        const QString name = QString::fromLatin1(label_of(shown[i]));
        out.push_back({name, p.label});
        const std::pair<const char*, QRectF> parts[] = {
            {"less", p.less}, {"bar", p.bar}, {"more", p.more}, {"value", p.value}};
        for (const auto& [part, rect] : parts)
            if (!rect.isEmpty())
                out.push_back({name + QStringLiteral(" ") + QLatin1String(part), rect});
    }
    return on_screen(out);
}

void settings_scene::press_at(QPointF p)
{
    if (p.x() < arrow_size && p.y() < arrow_size) {
        leave_request = true;
        return;
    }
    const std::vector<row> shown = rows();
    for (int i = 0; i < static_cast<int>(shown.size()); ++i) {
        const row_places places = places_of(i);
        if (!places.plate.contains(p))
            continue;
        const row r = shown[i];
        focused = r;
        const double reach = 6 * scale(); // a finger is broader than the marks
        if (has_value(r) && places.less.adjusted(-reach, -reach, reach, reach).contains(p)) {
            step(r, -1);
        } else if (has_value(r) && places.more.adjusted(-reach, -reach, reach, reach).contains(p)) {
            step(r, 1);
        } else if (is_volume(r)) {
            // Anywhere along the bar, over the plate's whole height.
            if (p.x() >= places.bar.left() - reach && p.x() <= places.bar.right() + reach) {
                dragged = i;
                drag_to(p.x());
            }
        } else {
            choose(r);
        }
        return;
    }
}

void settings_scene::drag_to(double x)
{
    const std::vector<row> shown = rows();
    if (dragged < 0 || dragged >= static_cast<int>(shown.size()))
        return;
    const QRectF bar = places_of(dragged).bar;
    const double share = std::clamp((x - bar.left()) / bar.width(), 0.0, 1.0);
    set_volume(shown[dragged],
               static_cast<int>(std::lround(share * 100 / volume_step)) * volume_step);
}

void settings_scene::mousePressEvent(QGraphicsSceneMouseEvent* e)
{
    press_at(QPointF(e->scenePos().x() - view_left, e->scenePos().y() - view_top));
}

void settings_scene::mouseMoveEvent(QGraphicsSceneMouseEvent* e)
{
    drag_to(e->scenePos().x() - view_left);
}

void settings_scene::mouseReleaseEvent(QGraphicsSceneMouseEvent* e)
{
    drag_to(e->scenePos().x() - view_left);
    dragged = -1;
}
