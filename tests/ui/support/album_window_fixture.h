// Album windows for ui tests: a program folder in a temp dir, a host, and
// album windows opened the way the main window opens them (working copy and
// free slot prepared, then the frame made). Mouse events go straight to the
// views with explicit global positions.
#pragma once

#include "core/app/app_state.h"
#include "core/album/window_records.h"
#include "core/util/fixed_text.h"
#include "core/util/paths.h"
#include "support/private_home.h"
#include "support/synthetic_image.h"
#include "support/synthetic_scene.h"
#include "support/temp_dir.h"
#include "support/test_album_host.h"
#include "ui/albumwindow/c_child_frame.h"
#include "ui/albumwindow/c_view_pictra.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

#include <string>

namespace pictra::test {

struct AlbumWindowFixture {
    AlbumWindowFixture()
    {
        state.programFolder = dir.path();
        state.settings.columns = 3;
        state.settings.rows = 3;
        state.settings.tipEnabled = 1;
        state.settings.slideIntervalMs = 500;
        state.settings.gapX = 6;
        state.settings.gapY = 6;
    }

    // Opens an album window at `path` with `count` images named img<i>.jpg
    // in the temp dir (the files themselves are not made), stamps 100 + i.
    ui::CChildFrame* openAlbum(const std::string& path, int count, int columns = 3, int rows = 3)
    {
        AlbumTable& table = *state.albums;
        mirrorToActiveSlot(table);
        AlbumRecord& w = table.working;
        resetAlbumRecord(w);
        setFieldText(w.path, path);
        w.columns = static_cast<std::uint8_t>(columns);
        w.rows = static_cast<std::uint8_t>(rows);
        w.imageCount = count;
        for (int i = 0; i < count; ++i) {
            ImageEntry& e = w.images[static_cast<std::size_t>(i)];
            setFieldText(e.path, dir.file("img" + std::to_string(i) + ".jpg"));
            setFieldText(e.summary, "summary " + std::to_string(i));
            e.stamp = 100 + i + 1000 * table.openCount;
        }
        table.windowSlots[static_cast<std::size_t>(table.openCount)] = w;
        auto* frame = new ui::CChildFrame(state, host, AlbumKind::Album);
        host.mdiArea().setActiveSubWindow(frame);
        frame->makeCurrent();
        QCoreApplication::processEvents();
        return frame;
    }

    // Writes image i's source file (sourceWidth wide, 4:3) and its store copy
    // (copyWidth wide) as JPEG files, for images 0..count-1 of `albumPath`.
    void writePictures(const std::string& albumPath, int count, int sourceWidth = 200, int copyWidth = 100)
    {
        for (int i = 0; i < count; ++i) {
            const std::string source = dir.file("img" + std::to_string(i) + ".jpg");
            writeJpeg(source, sourceWidth, i);
            writeJpeg(storeCopyPath(state.programFolder, albumPath, source), copyWidth, i);
        }
    }

    static void writeJpeg(const std::string& path, int width, int seed)
    {
        const auto bytes = encodeWithTurbo(makeScene(width, width * 3 / 4, static_cast<std::uint32_t>(seed + 1)),
                                           90, TurboSampling::S420);
        writeBytes(path, std::string(bytes.begin(), bytes.end()));
    }

    const AlbumRecord& record(const ui::CChildFrame& frame) const
    {
        return *windowRecord(*state.albums, frame.viewId());
    }

    // The centre of cell k of the window's page, in view coordinates.
    QPoint cellCentre(const ui::CChildFrame& frame, int cell) const
    {
        const Rect& r = record(frame).cells[static_cast<std::size_t>(cell)];
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }

    static void send(QWidget* view, QEvent::Type type, QPoint local, Qt::MouseButton button,
                     Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QMouseEvent event(type, QPointF(local), QPointF(view->mapToGlobal(local)), button, buttons, modifiers);
        QApplication::sendEvent(view, &event);
    }
    static void press(QWidget* view, QPoint at, Qt::KeyboardModifiers mods = Qt::NoModifier,
                      Qt::MouseButton button = Qt::LeftButton)
    {
        send(view, QEvent::MouseButtonPress, at, button, button, mods);
    }
    static void dragTo(QWidget* view, QPoint at) { send(view, QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton); }
    static void release(QWidget* view, QPoint at, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        send(view, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton, mods);
    }
    static void click(QWidget* view, QPoint at, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        press(view, at, mods);
        release(view, at, mods);
    }

    std::vector<std::string> summaries(const ui::CChildFrame& frame) const
    {
        const AlbumRecord& r = record(frame);
        std::vector<std::string> out;
        for (int i = 0; i < r.imageCount; ++i)
            out.emplace_back(fieldText(r.images[static_cast<std::size_t>(i)].summary));
        return out;
    }

    TempDir dir;
    PrivateHome home{dir.file("home")};
    AppState state;
    TestAlbumHost host;
};

} // namespace pictra::test
