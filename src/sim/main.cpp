#include <cstdio>

int main() {
    std::fputs("morvik-sim: not yet built\n", stderr);
    return 2;
}
