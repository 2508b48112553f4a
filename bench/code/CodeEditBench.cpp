// What reading the code window's text back costs, as on every step of a
// dragged number: ReadFragment of an edited fragment, against printing the
// fragment once (which the code window already does on every change).
// Run: build/bench/code/code_edit_bench [rounds]
#include "CodeEdit.h"
#include "CodeParser.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

FragmentInputs Lighting()
{
    FragmentInputs in;
    in.kind = SceneKind::TexCube;
    in.state = LitState(true);
    in.state.lamp = {true, true, true};
    in.state.fog = true;
    in.state.fogDensity = 0.25f;
    in.state.width = in.state.height = 255;
    in.pictureWidth = in.pictureHeight = 64;
    CubeModelView(in.state, in.modelView);
    return in;
}

template <class F>
double MicrosecondsEach(int rounds, F&& f)
{
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < rounds; ++i)
        f(i);
    return std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count() / rounds;
}

}

int main(int argc, char** argv)
{
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 2000;
    const FragmentInputs now = Lighting();
    const std::string printed = CodeFragment(now);
    const size_t at = printed.find("0.25f);");
    size_t sink = 0;
    const double print = MicrosecondsEach(rounds, [&](int) { sink += CodeFragment(now).size(); });
    const double parse = MicrosecondsEach(rounds, [&](int) {
        std::vector<CodeItem> items;
        CodeError error;
        sink += ReadCode(printed, items, error);
    });
    // A dragged density: a new number on every step.
    const double read = MicrosecondsEach(rounds, [&](int i) {
        const std::string text = printed.substr(0, at) + std::to_string(0.001 * (i % 1000)) + printed.substr(at + 5);
        ViewState out;
        CodeEditError error;
        sink += ReadFragment(text, now, out, error);
    });
    std::printf("fragment of %zu bytes, %d rounds\n", printed.size(), rounds);
    std::printf("print CodeFragment:  %8.1f us\n", print);
    std::printf("lex and parse it:    %8.1f us\n", parse);
    std::printf("ReadFragment:        %8.1f us  (%.1f prints; %.1f %% of a 10 ms frame)\n", read, read / print,
                read / 100);
    return sink == 0;
}
