/* Runs one command and reports its wall time and peak resident set, as
 * compare.sh needs them: "SECONDS MAXRSS_KIB EXIT" on stderr. The peak RSS is
 * the child's ru_maxrss from wait4, the figure /usr/bin/time -f %M prints;
 * the clock is CLOCK_MONOTONIC around spawn and wait, finer than time's %e.
 *
 *   measure STDOUT_FILE COMMAND [ARG...]
 */
#define _GNU_SOURCE
#include <fcntl.h>
#include <spawn.h>
#include <stdio.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>

extern char** environ;

static double now(void)
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return (double)t.tv_sec + (double)t.tv_nsec * 1e-9;
}

int main(int argc, char** argv)
{
    if (argc < 3) {
        fputs("usage: measure STDOUT_FILE COMMAND [ARG...]\n", stderr);
        return 2;
    }
    /* posix_spawn (a vfork underneath) costs the measured time less than
     * a fork of this process would. */
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, argv[1], O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid_t child;
    double start = now();
    if (posix_spawnp(&child, argv[2], &actions, NULL, argv + 2, environ) != 0) {
        perror(argv[2]);
        return 2;
    }
    int status = 0;
    struct rusage usage;
    if (wait4(child, &status, 0, &usage) < 0)
        return 2;
    double seconds = now() - start;
    int code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    fprintf(stderr, "%.6f %ld %d\n", seconds, usage.ru_maxrss, code);
    return 0;
}
