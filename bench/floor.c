/* The physical floor of the comparison's tasks: the least work a program
 * must do for each, compiled with cc -O2 by compare.sh.
 *
 *   floor count N | sum N | filter N   the loop over 1..N; every value passes
 *                                      through a register the compiler must
 *                                      fill, so no closed form replaces it
 *   floor copy IN OUT                  reads IN and writes its bytes to OUT
 *   floor one                          prints 1 (process start and exit)
 */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#define KEEP(x) __asm__ volatile("" : "+r"(x))

int main(int argc, char** argv)
{
    if (argc == 3 && strcmp(argv[1], "count") == 0) {
        long long n = atoll(argv[2]), c = 0;
        for (long long i = 1; i <= n; ++i) {
            KEEP(i);
            ++c;
        }
        printf("%lld\n", c);
    } else if (argc == 3 && strcmp(argv[1], "sum") == 0) {
        long long n = atoll(argv[2]), s = 0;
        for (long long i = 1; i <= n; ++i) {
            KEEP(i);
            s += i;
        }
        printf("%lld\n", s);
    } else if (argc == 3 && strcmp(argv[1], "filter") == 0) {
        long long n = atoll(argv[2]), c = 0;
        for (long long i = 1; i <= n; ++i) {
            KEEP(i);
            c += (i % 2 == 0);
        }
        printf("%lld\n", c);
    } else if (argc == 4 && strcmp(argv[1], "copy") == 0) {
        FILE* in = fopen(argv[2], "rb");
        FILE* out = fopen(argv[3], "wb");
        if (!in || !out)
            return 1;
        char buffer[65536];
        size_t got;
        while ((got = fread(buffer, 1, sizeof buffer, in)) > 0)
            fwrite(buffer, 1, got, out);
        return fclose(out) != 0;
    } else if (argc == 2 && strcmp(argv[1], "one") == 0) {
        puts("1");
    } else {
        fputs("usage: floor count|sum|filter N | copy IN OUT | one\n", stderr);
        return 2;
    }
    return 0;
}
