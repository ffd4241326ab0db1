// SPDX-License-Identifier: GPL-3.0-or-later
// first-drawing: times, from outside, how long programs take from being started to
// their first drawing in a window of the X server on $DISPLAY. The programs are
// started in turn, alternated, each run ended once it has drawn; medians are printed
// as a table, with each program's ratio to the last one given.
//
//   ventiro-first-drawing [--runs N] "PROGRAM [ARGS]" ... "REFERENCE [ARGS]"
//
// The drawing is seen through the X server's DAMAGE extension: every window made
// at the top level is watched from its creation, and the first report of drawn
// pixels in any of them ends the run. Windows are made with no background, so
// nothing but the program draws in them.
#include "Median.h"

#include <xcb/xcb.h>
#include <xcb/xcbext.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

xcb_extension_t damageExtension = {"DAMAGE", 0};

struct DamageQueryVersionRequest {
    uint8_t majorOpcode, minorOpcode;
    uint16_t length;
    uint32_t majorVersion, minorVersion;
};

struct DamageCreateRequest {
    uint8_t majorOpcode, minorOpcode;
    uint16_t length;
    uint32_t damage, drawable;
    uint8_t level, pad[3];
};

constexpr uint8_t DamageQueryVersion = 0, DamageCreate = 1, ReportNonEmpty = 3;

unsigned sendRequest(xcb_connection_t *connection, uint8_t opcode, void *request, size_t size, bool isVoid)
{
    xcb_protocol_request_t header{2, &damageExtension, opcode, isVoid ? uint8_t(1) : uint8_t(0)};
    iovec parts[4];
    parts[2] = {request, size};
    parts[3] = {nullptr, 0};
    return xcb_send_request(connection, isVoid ? 0 : XCB_REQUEST_CHECKED, parts + 2, &header);
}

double now()
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

std::vector<std::string> words(const std::string &command)
{
    std::istringstream in(command);
    std::vector<std::string> result;
    for (std::string word; in >> word;)
        result.push_back(word);
    return result;
}

class Watcher {
public:
    Watcher()
    {
        m_connection = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(m_connection))
            fail("cannot connect to the X server");
        const xcb_query_extension_reply_t *damage = xcb_get_extension_data(m_connection, &damageExtension);
        if (!damage || !damage->present)
            fail("the X server has no DAMAGE extension");
        m_firstEvent = damage->first_event;
        DamageQueryVersionRequest version{0, 0, 0, 1, 1};
        free(xcb_wait_for_reply(m_connection, sendRequest(m_connection, DamageQueryVersion, &version, sizeof version, false), nullptr));
        m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_connection, m_root, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(m_connection);
    }
    ~Watcher() { xcb_disconnect(m_connection); }

    // Milliseconds from starting the program to its first drawing; -1 if it drew
    // nothing within 20 s.
    double time(const std::vector<std::string> &command)
    {
        drain();
        std::vector<char *> argv;
        for (const std::string &word : command)
            argv.push_back(const_cast<char *>(word.c_str()));
        argv.push_back(nullptr);
        const double started = now();
        pid_t child = 0;
        posix_spawn_file_actions_t quiet;  // what the programs print is not wanted here
        posix_spawn_file_actions_init(&quiet);
        posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
        const int spawned = posix_spawn(&child, argv[0], &quiet, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&quiet);
        if (spawned != 0)
            fail("cannot start " + command[0]);
        double drawn = -1;
        while (drawn < 0 && now() - started < 20000) {
            pollfd wait{xcb_get_file_descriptor(m_connection), POLLIN, 0};
            poll(&wait, 1, 100);
            while (xcb_generic_event_t *event = xcb_poll_for_event(m_connection)) {
                const uint8_t type = event->response_type & 0x7f;
                if (type == XCB_CREATE_NOTIFY) {
                    // Watched from its creation, before the program can draw in it.
                    DamageCreateRequest create{0, 0, 0, xcb_generate_id(m_connection),
                                               reinterpret_cast<xcb_create_notify_event_t *>(event)->window,
                                               ReportNonEmpty, {}};
                    sendRequest(m_connection, DamageCreate, &create, sizeof create, true);
                    xcb_flush(m_connection);
                } else if (type == m_firstEvent && drawn < 0) {
                    drawn = now() - started;
                }
                free(event);
            }
            if (xcb_connection_has_error(m_connection))
                fail("lost the X server");
        }
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        return drawn;
    }

private:
    // Forgets what the previous run left: its windows' destruction and late reports.
    void drain()
    {
        xcb_aux_sync();
        while (xcb_generic_event_t *event = xcb_poll_for_event(m_connection))
            free(event);
    }
    void xcb_aux_sync() { free(xcb_get_input_focus_reply(m_connection, xcb_get_input_focus(m_connection), nullptr)); }

    [[noreturn]] static void fail(const std::string &message)
    {
        std::fprintf(stderr, "first-drawing: %s\n", message.c_str());
        std::exit(1);
    }

    xcb_connection_t *m_connection = nullptr;
    xcb_window_t m_root = 0;
    uint8_t m_firstEvent = 0;
};

}  // namespace

int main(int argc, char **argv)
{
    int runs = 15;
    std::vector<std::string> commands;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--runs") == 0 && i + 1 < argc)
            runs = std::atoi(argv[++i]);
        else
            commands.push_back(argv[i]);
    }
    if (commands.size() < 1 || runs < 1) {
        std::fprintf(stderr, "usage: ventiro-first-drawing [--runs N] \"PROGRAM [ARGS]\" ... \"REFERENCE [ARGS]\"\n");
        return 2;
    }
    Watcher watcher;
    std::vector<std::vector<double>> times(commands.size());
    for (const std::string &command : commands)
        watcher.time(words(command));  // once unmeasured, so every program finds its files cached
    for (int run = 0; run < runs; ++run)
        for (size_t i = 0; i < commands.size(); ++i) {
            const double drawn = watcher.time(words(commands[i]));
            if (drawn < 0) {
                std::fprintf(stderr, "first-drawing: %s drew nothing\n", commands[i].c_str());
                return 1;
            }
            times[i].push_back(drawn);
            usleep(50000);
        }
    const double reference = median(times.back());
    std::printf("| Program | start to first drawing, median of %d (ms) | fastest / slowest (ms) | ratio to the last |\n", runs);
    std::printf("|---|---:|---:|---:|\n");
    for (size_t i = 0; i < commands.size(); ++i)
        std::printf("| `%s` | %.1f | %.1f / %.1f | %.2f |\n", commands[i].c_str(), median(times[i]),
                    *std::min_element(times[i].begin(), times[i].end()),
                    *std::max_element(times[i].begin(), times[i].end()), median(times[i]) / reference);
    return 0;
}
