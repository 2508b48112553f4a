// Writes the fragments of the fuzzer's windows as its seed corpus: the
// first byte of each file chooses the window, the rest is its code.
#include "FragmentStates.h"

#include <fstream>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    for (size_t i = 0; i < kFragmentStates; ++i)
        std::ofstream(std::string(argv[1]) + "/fragment-" + std::to_string(i) + ".c", std::ios::binary)
            << char(i) << CodeFragment(FragmentState(i));
    return 0;
}
