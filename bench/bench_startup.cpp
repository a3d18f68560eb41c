// Start-up until the first top-level window is mapped, timed by the X server's MapNotify event
// rather than by polling: the program against the same-text window of startup_floor, which
// opens the file the same way. Every run ends as a learner ends it: a close request
// (WM_DELETE_WINDOW) to the window. Before every timed run the file is restored and opened and
// closed once, untimed, so that each timed run meets the file as a learner's last clean close
// left it (a note of the clean close cannot be copied: it names the file's inode and times).
//   bench_startup RUNS PROGRAM_FOLDER FLOOR   runs PROGRAM_FOLDER/xundral and FLOOR in turn
#include <QByteArray>
#include <QFile>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <signal.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>
#include <xcb/xcb.h>

namespace {

xcb_atom_t atom(xcb_connection_t* x, const char* name) {
    xcb_intern_atom_reply_t* reply =
        xcb_intern_atom_reply(x, xcb_intern_atom(x, 0, uint16_t(std::strlen(name)), name), nullptr);
    const xcb_atom_t value = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return value;
}

// The file as it was before the first run, with no journal or log beside it.
void restore(const std::string& database) {
    for (const char* suffix : {"-wal", "-shm", "-journal", "-clean"})
        QFile::remove(QString::fromStdString(database + suffix));
    QFile::remove(QString::fromStdString(database));
    QFile::copy(QString::fromStdString(database + ".pristine"), QString::fromStdString(database));
}

int uncleanEnds = 0;

// Milliseconds from fork to the first MapNotify of a new top-level window; then the window is
// asked to close, as a window manager's close box asks.
double timeToMap(xcb_connection_t* x, const std::vector<std::string>& command,
                 const std::string& folder) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        if (chdir(folder.c_str()) != 0)
            _exit(127);
        std::vector<char*> args;
        for (const std::string& arg : command)
            args.push_back(const_cast<char*>(arg.c_str()));
        args.push_back(nullptr);
        execv(args[0], args.data());
        _exit(127);
    }
    double elapsed = -1;
    xcb_window_t window = XCB_WINDOW_NONE;
    while (xcb_generic_event_t* event = xcb_wait_for_event(x)) {
        const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY;
        if (mapped)
            window = reinterpret_cast<xcb_map_notify_event_t*>(event)->window;
        std::free(event);
        if (mapped) {
            elapsed =
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                    .count();
            break;
        }
    }
    xcb_client_message_event_t close{};
    close.response_type = XCB_CLIENT_MESSAGE;
    close.format = 32;
    close.window = window;
    close.type = atom(x, "WM_PROTOCOLS");
    close.data.data32[0] = atom(x, "WM_DELETE_WINDOW");
    close.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(x, 0, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&close));
    xcb_flush(x);
    int status = 0;
    for (int wait = 0; wait < 1000 && waitpid(child, &status, WNOHANG) == 0; ++wait)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    if (waitpid(child, &status, WNOHANG) == 0) {
        ++uncleanEnds;
        kill(child, SIGKILL);
        waitpid(child, &status, 0);
    }
    // Unmaps and the like of the ended child are not the next run's map.
    xcb_flush(x);
    while (xcb_generic_event_t* event = xcb_poll_for_event(x))
        std::free(event);
    return elapsed;
}

double restoredRun(xcb_connection_t* x, const std::vector<std::string>& command,
                   const std::string& folder) {
    restore(folder + "/db/exam.mdb");
    timeToMap(x, command, folder);
    return timeToMap(x, command, folder);
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: bench_startup RUNS PROGRAM_FOLDER FLOOR\n");
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    const std::string folder = argv[2];
    const std::string database = folder + "/db/exam.mdb";
    if (!QFile::exists(QString::fromStdString(database + ".pristine")))
        QFile::copy(QString::fromStdString(database),
                    QString::fromStdString(database + ".pristine"));
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "no X display\n");
        return 1;
    }
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(x)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(x);
    std::vector<double> program, floor;
    for (int run = 0; run < runs; ++run) {
        program.push_back(restoredRun(x, {folder + "/xundral"}, folder));
        floor.push_back(restoredRun(x, {argv[3], folder}, folder));
    }
    restore(database);
    std::printf("{\"program_ms\": %.1f, \"floor_ms\": %.1f, \"runs\": %d, \"unclean_ends\": %d}\n",
                median(program), median(floor), runs, uncleanEnds);
    xcb_disconnect(x);
    return 0;
}
