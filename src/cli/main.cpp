#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--help") == 0) {
        std::puts("使い方: morvik [--port N | --device PATH] COMMAND");
        return 0;
    }
    std::fputs("使い方: morvik [--port N | --device PATH] COMMAND\n", stderr);
    return 2;
}
