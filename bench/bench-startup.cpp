#include "BenchFigures.h"

#include <QByteArray>
#include <QString>

#include <xcb/xcb.h>

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/wait.h>
#include <unistd.h>

// bench-startup LABEL PROGRAM [RUNS]: starts the real program under the X server of
// $DISPLAY and times, from outside, how long it takes until the lookup screen is ready for
// the first code: its window is mapped and its event loop has answered pings sent after the
// mapping (so the first showing, painting included, is behind it). The resident memory
// of the program is read at that moment. The program knows nothing of this.
namespace {

constexpr char kTitle[] = "Consulta de Produtos";

struct Connection {
    xcb_connection_t *xcb = nullptr;
    xcb_window_t root = 0;

    xcb_atom_t atom(const char *name) const
    {
        const auto cookie = xcb_intern_atom(xcb, 0, uint16_t(std::strlen(name)), name);
        const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
            xcb_intern_atom_reply(xcb, cookie, nullptr), &std::free);
        return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    }

    QByteArray title(xcb_window_t window, xcb_atom_t property, xcb_atom_t type) const
    {
        const auto cookie = xcb_get_property(xcb, 0, window, property, type, 0, 256);
        const std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
            xcb_get_property_reply(xcb, cookie, nullptr), &std::free);
        if (!reply)
            return {};
        return QByteArray(static_cast<const char *>(xcb_get_property_value(reply.get())),
                          xcb_get_property_value_length(reply.get()));
    }
};

pid_t launch(const char *program)
{
    const pid_t pid = fork();
    if (pid == 0) {
        const int quiet = open("/dev/null", O_WRONLY);
        dup2(quiet, STDOUT_FILENO);
        dup2(quiet, STDERR_FILENO);
        setenv("QT_QPA_PLATFORM", "xcb", 1);
        execl(program, program, static_cast<char *>(nullptr));
        _exit(127);
    }
    return pid;
}

struct Start {
    double milliseconds = -1;
    double residentMegabytes = -1;
};

// One start of the program, until ready; it is ended afterwards.
Start measure(const Connection &x, const char *program, xcb_atom_t netWmName, xcb_atom_t utf8, xcb_atom_t protocols,
              xcb_atom_t ping)
{
    Start start;
    const qint64 launched = bench::now();
    const pid_t pid = launch(program);
    xcb_window_t window = 0;
    const auto sendPing = [&] {
        xcb_client_message_event_t message{};
        message.response_type = XCB_CLIENT_MESSAGE;
        message.format = 32;
        message.window = window;
        message.type = protocols;
        message.data.data32[0] = ping;
        message.data.data32[1] = XCB_CURRENT_TIME;
        message.data.data32[2] = window;
        xcb_send_event(x.xcb, 0, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char *>(&message));
        xcb_flush(x.xcb);
    };
    // The first answer may leave the window's first expose still queued inside the program;
    // the second comes from a later turn of its event loop, after the painting.
    int answers = 0;
    while (xcb_generic_event_t *event = xcb_wait_for_event(x.xcb)) {
        const std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> owned(event, &std::free);
        const int type = event->response_type & 0x7f;
        if (type == XCB_MAP_NOTIFY && !window) {
            const auto *map = reinterpret_cast<xcb_map_notify_event_t *>(event);
            const QByteArray name = x.title(map->window, netWmName, utf8) + x.title(map->window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING);
            if (!name.contains(kTitle))
                continue;
            window = map->window;
            sendPing();
        } else if (type == XCB_CLIENT_MESSAGE && window) {
            const auto *answer = reinterpret_cast<xcb_client_message_event_t *>(event);
            if (answer->data.data32[0] != ping || answer->data.data32[2] != window)
                continue;
            if (++answers == 1) {
                sendPing();
                continue;
            }
            start.milliseconds = bench::millisecondsSince(launched);
            start.residentMegabytes = bench::residentMegabytes(pid);
            break;
        }
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    return start;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: bench-startup LABEL PROGRAM [RUNS]\n");
        return 2;
    }
    const QString label = QString::fromLocal8Bit(argv[1]);
    const int runs = argc > 3 ? std::atoi(argv[3]) : 10;
    Connection x;
    x.xcb = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x.xcb)) {
        std::fprintf(stderr, "bench-startup: no X server at $DISPLAY\n");
        return 1;
    }
    x.root = xcb_setup_roots_iterator(xcb_get_setup(x.xcb)).data->root;
    // Windows mapped under the root, and the answers to pings, which come as the root's own
    // structure events.
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_STRUCTURE_NOTIFY;
    xcb_change_window_attributes(x.xcb, x.root, XCB_CW_EVENT_MASK, &mask);
    const xcb_atom_t netWmName = x.atom("_NET_WM_NAME"), utf8 = x.atom("UTF8_STRING"),
                     protocols = x.atom("WM_PROTOCOLS"), ping = x.atom("_NET_WM_PING");

    bench::Samples times, memory;
    for (int run = 0; run < runs; ++run) {
        const Start start = measure(x, argv[2], netWmName, utf8, protocols, ping);
        if (start.milliseconds < 0) {
            std::fprintf(stderr, "bench-startup: %s never became ready\n", argv[2]);
            return 1;
        }
        times.add(start.milliseconds);
        memory.add(start.residentMegabytes);
    }
    xcb_disconnect(x.xcb);

    bench::tableLine(QStringLiteral("start-up, %1 store, %2 starts: ready in %3 ms (p50; min %4, max %5), resident %6 MB")
                         .arg(label)
                         .arg(runs)
                         .arg(times.percentile(50), 0, 'f', 0)
                         .arg(times.percentile(0), 0, 'f', 0)
                         .arg(times.percentile(100), 0, 'f', 0)
                         .arg(memory.percentile(50), 0, 'f', 1));
    const QString name = QStringLiteral("startup.%1").arg(label);
    bench::figure(name + QStringLiteral(".p50"), times.percentile(50), QStringLiteral("ms"));
    bench::figure(name + QStringLiteral(".min"), times.percentile(0), QStringLiteral("ms"));
    bench::figure(name + QStringLiteral(".rss"), memory.percentile(50), QStringLiteral("MB"));
    return 0;
}
