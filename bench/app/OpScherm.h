#pragma once

// When a started program's window reaches the screen: the display reports every top-level window
// it maps, and the program's first one is its main window.

#include <QElapsedTimer>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <xcb/xcb.h>

#include <poll.h>

#include <cstdlib>

class MapWatch {
public:
    MapWatch()
        : m_connection(xcb_connect(nullptr, nullptr))
    {
        if (!Usable())
            return;
        const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data;
        const uint32_t events = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_connection, screen->root, XCB_CW_EVENT_MASK, &events);
        xcb_flush(m_connection);
    }
    ~MapWatch() { xcb_disconnect(m_connection); }
    MapWatch(const MapWatch &) = delete;
    MapWatch &operator=(const MapWatch &) = delete;

    // False without an X display (the offscreen platform).
    bool Usable() const { return xcb_connection_has_error(m_connection) == 0; }

    // Forgets what the display reported so far.
    void Drain()
    {
        while (xcb_generic_event_t *event = xcb_poll_for_event(m_connection))
            std::free(event);
    }

    // Waits at most `ms` for a top-level window to be mapped; false when none was.
    bool WaitForMap(int ms)
    {
        QElapsedTimer timer;
        timer.start();
        while (Usable()) {
            while (xcb_generic_event_t *event = xcb_poll_for_event(m_connection)) {
                const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY
                    && !reinterpret_cast<xcb_map_notify_event_t *>(event)->override_redirect;
                std::free(event);
                if (mapped)
                    return true;
            }
            const qint64 left = ms - timer.elapsed();
            if (left <= 0)
                return false;
            pollfd display { xcb_get_file_descriptor(m_connection), POLLIN, 0 };
            ::poll(&display, 1, static_cast<int>(left));
        }
        return false;
    }

private:
    xcb_connection_t *m_connection;
};

struct StartTimes {
    double mapped = -1; // -1 without a display to ask
    double ended = 0;
};

// Milliseconds from starting `program` as a process of its own until its window is mapped and
// until the process has ended.
inline StartTimes StartMs(MapWatch &display, const QString &program, const QStringList &arguments)
{
    display.Drain();
    StartTimes times;
    QElapsedTimer timer;
    timer.start();
    QProcess process;
    process.start(program, arguments);
    if (display.Usable() && display.WaitForMap(30000))
        times.mapped = timer.nsecsElapsed() / 1e6;
    process.waitForFinished(30000);
    times.ended = timer.nsecsElapsed() / 1e6;
    return times;
}
