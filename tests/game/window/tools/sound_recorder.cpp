// Stands in for tavlora-sound where a test listens to what the window asks for: every line it
// reads is added to played.txt in the folder named by its one argument, at once.
#include <fstream>
#include <iostream>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) {
        return 2;
    }
    // One "\n" a line on every system, as the window writes them.
    std::ofstream played(std::string(argv[1]) + "/played.txt", std::ios::app | std::ios::binary);
    std::string line;
    while (std::getline(std::cin, line)) {
        played << line << std::endl;
    }
    return 0;
}
