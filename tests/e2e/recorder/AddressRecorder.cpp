// Stands in for the web browser in the end-to-end tests: the shell starts it
// for http and https addresses, and it appends the address it was given as
// one line to a file.
//
//   AddressRecorder.exe RECORD-FILE ADDRESS
#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: AddressRecorder RECORD-FILE ADDRESS\n");
        return 2;
    }
    std::FILE* record = std::fopen(argv[1], "a");
    if (record == nullptr) {
        return 1;
    }
    std::fprintf(record, "%s\n", argv[2]);
    return std::fclose(record) == 0 ? 0 : 1;
}
