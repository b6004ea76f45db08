// The floor for the whole-program benchmark: a program that does nothing but wait 500 ms, as long as
// cputype's default clock measurement waits. Only the C library is used, and it is linked statically,
// so the floor costs only its process start and its wait.
#include <time.h>

int main() {
    timespec wait{};
    wait.tv_nsec = 500L * 1000L * 1000L;
    while (nanosleep(&wait, &wait) != 0) {
    }
    return 0;
}
