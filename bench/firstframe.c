/* Starts a Windows program under Wine and measures, from outside, the time
 * from the process's start to its first painted frame: the first moment a
 * window of that process (by _NET_WM_PID) is on the screen and shows at
 * least MIN pixels of the ink colour (the digits or the hands).
 *
 *   firstframe [--ink RRGGBB] [--min N] [--timeout MS] -- wine64 prog.exe
 *
 * Prints "PID MILLISECONDS CPU_MILLISECONDS" (the wall time, and the CPU time
 * the process had used by then), or "PID timeout" / "PID exited" and fails.
 * The program is left running; the caller ends it. */
#define _POSIX_C_SOURCE 200809L
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/Xatom.h>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static double now_ms(void) {
  struct timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}

/* Windows come and go while the screen is polled: a vanished one is no error. */
static int ignore_x_error(Display* d, XErrorEvent* e) {
  (void)d;
  (void)e;
  return 0;
}

/* utime + stime of a whole process in milliseconds, or -1. */
static long cpu_ms(pid_t pid) {
  char path[64], buffer[1024];
  snprintf(path, sizeof path, "/proc/%d/stat", (int)pid);
  FILE* f = fopen(path, "r");
  if (!f) return -1;
  size_t n = fread(buffer, 1, sizeof buffer - 1, f);
  fclose(f);
  buffer[n] = '\0';
  char* p = strrchr(buffer, ')');
  if (!p) return -1;
  unsigned long utime = 0, stime = 0;
  /* After the name: state and 10 more fields, then utime and stime. */
  if (sscanf(p + 2, "%*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %lu %lu", &utime, &stime) != 2)
    return -1;
  return (long)((utime + stime) * 1000 / sysconf(_SC_CLK_TCK));
}

static long window_pid(Display* d, Window w, Atom pid_atom) {
  Atom type;
  int format;
  unsigned long count, after;
  unsigned char* data = NULL;
  long pid = -1;
  if (XGetWindowProperty(d, w, pid_atom, 0, 1, False, XA_CARDINAL, &type, &format, &count,
                         &after, &data) == Success && data) {
    if (count == 1 && format == 32) pid = (long)*(unsigned long*)data;
    XFree(data);
  }
  return pid;
}

/* Ink pixels of one viewable top-level window, read from the screen as shown. */
static long ink_pixels(Display* d, Window w, unsigned long ink) {
  XWindowAttributes a;
  if (!XGetWindowAttributes(d, w, &a) || a.map_state != IsViewable) return -1;
  int sw = DisplayWidth(d, DefaultScreen(d)), sh = DisplayHeight(d, DefaultScreen(d));
  int x0 = a.x < 0 ? 0 : a.x, y0 = a.y < 0 ? 0 : a.y;
  int x1 = a.x + a.width + 2 * a.border_width, y1 = a.y + a.height + 2 * a.border_width;
  if (x1 > sw) x1 = sw;
  if (y1 > sh) y1 = sh;
  if (x1 <= x0 || y1 <= y0) return 0;
  XImage* img = XGetImage(d, DefaultRootWindow(d), x0, y0, x1 - x0, y1 - y0, AllPlanes, ZPixmap);
  if (!img) return 0;
  long n = 0;
  for (int y = 0; y < img->height; ++y)
    for (int x = 0; x < img->width; ++x)
      if ((XGetPixel(img, x, y) & 0xFFFFFF) == ink) ++n;
  XDestroyImage(img);
  return n;
}

static int painted(Display* d, Atom pid_atom, pid_t pid, unsigned long ink, long min) {
  Window root, parent, *children = NULL;
  unsigned int count = 0;
  int found = 0;
  if (!XQueryTree(d, DefaultRootWindow(d), &root, &parent, &children, &count)) return 0;
  for (unsigned int i = 0; i < count && !found; ++i)
    if (window_pid(d, children[i], pid_atom) == pid && ink_pixels(d, children[i], ink) >= min)
      found = 1;
  if (children) XFree(children);
  return found;
}

int main(int argc, char** argv) {
  unsigned long ink = 0xFF0000;
  long min = 20;
  double timeout = 20000;
  int i = 1;
  for (; i < argc && strcmp(argv[i], "--") != 0; ++i) {
    if (!strcmp(argv[i], "--ink") && i + 1 < argc) ink = strtoul(argv[++i], NULL, 16);
    else if (!strcmp(argv[i], "--min") && i + 1 < argc) min = atol(argv[++i]);
    else if (!strcmp(argv[i], "--timeout") && i + 1 < argc) timeout = atof(argv[++i]);
  }
  if (i + 1 >= argc) {
    fprintf(stderr, "usage: firstframe [--ink RRGGBB] [--min N] [--timeout MS] -- command...\n");
    return 2;
  }
  Display* d = XOpenDisplay(NULL);
  if (!d) {
    fprintf(stderr, "firstframe: no X display\n");
    return 2;
  }
  XSetErrorHandler(ignore_x_error);
  Atom pid_atom = XInternAtom(d, "_NET_WM_PID", False);

  double start = now_ms();
  pid_t pid = fork();
  if (pid == 0) {
    /* The program must not hold the caller's pipes open while it runs on. */
    int null = open("/dev/null", O_RDWR);
    dup2(null, 0);
    dup2(null, 1);
    dup2(null, 2);
    execvp(argv[i + 1], argv + i + 1);
    _exit(127);
  }
  if (pid < 0) return 2;

  for (;;) {
    if (painted(d, pid_atom, pid, ink, min)) {
      double elapsed = now_ms() - start;
      printf("%d %.0f %ld\n", (int)pid, elapsed, cpu_ms(pid));
      return 0;
    }
    int status;
    if (waitpid(pid, &status, WNOHANG) == pid) {
      printf("%d exited\n", (int)pid);
      return 1;
    }
    if (now_ms() - start > timeout) {
      printf("%d timeout\n", (int)pid);
      return 1;
    }
    struct timespec pause = {0, 2000000};
    nanosleep(&pause, NULL);
  }
}
