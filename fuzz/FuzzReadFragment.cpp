// Any bytes as the code window's text, read against one of a few windows
// (the first byte chooses). A refused text must say where, inside the text;
// a taken one must give a record whose own fragment reads back as itself.
#include "CodeEdit.h"
#include "FragmentStates.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const FragmentInputs now = FragmentState(data[0] % kFragmentStates);
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
    ViewState out;
    CodeEditError error;
    if (!ReadFragment(text, now, out, error)) {
        if (error.reason.empty() || error.offset < 0 || error.length < 0 ||
            size_t(error.offset) + size_t(error.length) > text.size())
            std::abort();
        return 0;
    }
    FragmentInputs then = now;
    then.state = out;
    ViewState again;
    if (!ReadFragment(CodeFragment(then), then, again, error) || !(again == out))
        std::abort();
    return 0;
}
