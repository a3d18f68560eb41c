// Start-up until the first top-level window is mapped, timed by the X server's MapNotify event
// rather than by polling: the program against a bare Qt window that also opens the keyed file.
//   bench_startup RUNS PROGRAM_FOLDER   runs PROGRAM_FOLDER/xundral and --bare in turn
//   bench_startup --bare DATABASE       the floor: one keyed open, then a bare window
#include "data/connection_string.h"

#include <QApplication>
#include <QWidget>

#include <sqlcipher/sqlite3.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <signal.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>
#include <xcb/xcb.h>

namespace {

int bareWindow(int argc, char** argv, const char* database) {
    QApplication app(argc, argv);
    sqlite3* db = nullptr;
    sqlite3_open_v2(database, &db, SQLITE_OPEN_READWRITE, nullptr);
    const std::string key = std::string("PRAGMA key = '") + kExamDatabasePassword + "';";
    sqlite3_exec(db, key.c_str(), nullptr, nullptr, nullptr);
    sqlite3_exec(db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
    QWidget window;
    window.resize(800, 578);
    window.show();
    const int result = QApplication::exec();
    sqlite3_close_v2(db);
    return result;
}

// Milliseconds from fork to the first MapNotify of a new top-level window.
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
    while (xcb_generic_event_t* event = xcb_wait_for_event(x)) {
        const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY;
        std::free(event);
        if (mapped) {
            elapsed =
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                    .count();
            break;
        }
    }
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    // Unmaps and the like of the ended child are not the next run's map.
    xcb_flush(x);
    while (xcb_generic_event_t* event = xcb_poll_for_event(x))
        std::free(event);
    return elapsed;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--bare")
        return bareWindow(argc, argv, argv[2]);
    if (argc != 3) {
        std::fprintf(stderr, "usage: bench_startup RUNS PROGRAM_FOLDER\n");
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    const std::string folder = argv[2];
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "no X display\n");
        return 1;
    }
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(x)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(x);
    char self[4096] = {};
    if (readlink("/proc/self/exe", self, sizeof self - 1) < 0)
        return 1;
    std::vector<double> program, bare;
    for (int run = 0; run < runs; ++run) {
        program.push_back(timeToMap(x, {folder + "/xundral"}, folder));
        bare.push_back(timeToMap(x, {self, "--bare", folder + "/db/exam.mdb"}, folder));
    }
    std::printf("{\"program_ms\": %.1f, \"bare_ms\": %.1f, \"runs\": %d}\n", median(program),
                median(bare), runs);
    xcb_disconnect(x);
    return 0;
}
