/* Start-up timer: starts a program and prints, in seconds from the fork, when
   its first top-level window was mapped and when it was exposed, and its peak
   resident memory (KiB) 300 ms after the expose, once start-up has settled;
   then ends the program. This is what a user sees: the window on the screen,
   not an event inside the program.

     lw_window_timer PROGRAM [ARGS...]   ->   "MAP EXPOSE KIB" or "nowindow"

   Xvfb exposes a window the moment it is mapped, so exposure is selected on
   every top-level window as soon as it is created. */
#define _DEFAULT_SOURCE
#include <xcb/xcb.h>

#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

enum { kMaxWindows = 64, kTimeoutSeconds = 30, kSettleMicroseconds = 300000 };

static double seconds(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return (double)t.tv_sec + (double)t.tv_nsec / 1e9;
}

static long peakResidentKib(pid_t pid) {
    char path[64], line[256];
    long kib = -1;
    snprintf(path, sizeof path, "/proc/%d/status", (int)pid);
    FILE* status = fopen(path, "r");
    if (!status)
        return -1;
    while (fgets(line, sizeof line, status))
        if (sscanf(line, "VmHWM: %ld", &kib) == 1)
            break;
    fclose(status);
    return kib;
}

/* Windows exposed before their MapNotify was read, with the time. */
struct Exposures {
    xcb_window_t window[kMaxWindows];
    double at[kMaxWindows];
    int count;
};

static double exposedAt(const struct Exposures* e, xcb_window_t w) {
    for (int i = 0; i < e->count; i++)
        if (e->window[i] == w)
            return e->at[i];
    return -1;
}

int main(int argc, char** argv) {
    if (argc < 2) {
        fprintf(stderr, "usage: lw_window_timer PROGRAM [ARGS...]\n");
        return 2;
    }
    xcb_connection_t* x = xcb_connect(NULL, NULL);
    if (xcb_connection_has_error(x)) {
        fprintf(stderr, "lw_window_timer: no X display\n");
        return 2;
    }
    xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    uint32_t rootEvents = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_request_check(
        x, xcb_change_window_attributes_checked(x, root, XCB_CW_EVENT_MASK, &rootEvents));

    double start = seconds();
    pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    xcb_window_t window = 0;
    struct Exposures early = {.count = 0};
    double mapped = -1, exposed = -1;
    while (exposed < 0 && seconds() < start + kTimeoutSeconds) {
        xcb_generic_event_t* event;
        while (exposed < 0 && (event = xcb_poll_for_event(x))) {
            switch (event->response_type & 0x7f) {
            case XCB_CREATE_NOTIFY: {
                xcb_create_notify_event_t* c = (xcb_create_notify_event_t*)event;
                uint32_t exposure = XCB_EVENT_MASK_EXPOSURE;
                if (!c->override_redirect)
                    xcb_change_window_attributes(x, c->window, XCB_CW_EVENT_MASK, &exposure);
                xcb_flush(x);
                break;
            }
            case XCB_MAP_NOTIFY: {
                xcb_map_notify_event_t* m = (xcb_map_notify_event_t*)event;
                if (!window && !m->override_redirect) {
                    window = m->window;
                    mapped = seconds();
                    exposed = exposedAt(&early, window);
                }
                break;
            }
            case XCB_EXPOSE: {
                xcb_expose_event_t* e = (xcb_expose_event_t*)event;
                if (e->count != 0)
                    break;
                if (window && e->window == window)
                    exposed = seconds();
                else if (early.count < kMaxWindows) {
                    early.window[early.count] = e->window;
                    early.at[early.count++] = seconds();
                }
                break;
            }
            }
            free(event);
        }
        if (mapped > 0 && exposed < 0 && seconds() - mapped > 2) {
            fprintf(stderr, "lw_window_timer: no Expose seen; using the map time\n");
            exposed = mapped;
        }
        if (waitpid(pid, NULL, WNOHANG) == pid) {
            pid = 0;
            break;
        }
        usleep(200);
    }
    long kib = -1;
    if (pid > 0) {
        if (exposed > 0)
            usleep(kSettleMicroseconds);
        kib = peakResidentKib(pid);
        kill(pid, SIGTERM);
        usleep(100000);
        kill(pid, SIGKILL);
        waitpid(pid, NULL, 0);
    }
    xcb_disconnect(x);
    if (mapped < 0 || exposed < 0) {
        printf("nowindow\n");
        return 1;
    }
    printf("%.4f %.4f %ld\n", mapped - start, exposed - start, kib);
    return 0;
}
