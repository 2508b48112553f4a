// Icon IDR_MAINFRAME: a small cube seen from above, lit from the upper left.
#include "Resources.h"

namespace {

const char* const kIcon32[] = {
    "32 32 6 1",
    "  c None",
    "k c #1A2A4A",
    "w c #FFFFFF",
    "t c #D8E8FF",
    "l c #6FA0D8",
    "r c #30609A",
    "                                ",
    "               kk               ",
    "             kkttkk             ",
    "           kkttttttkk           ",
    "         kkkttttttttkkk         ",
    "        kkttttttttttttkk        ",
    "      kkttttttttttttttttkk      ",
    "    kkttttttttttttttttttttkk    ",
    "   kkttttttttttttttttttttttkk   ",
    "   kwwttttttttttttttttttttwwk   ",
    "   klwwwttttttttttttttttwwwrk   ",
    "   klllwwttttttttttttttwwrrrk   ",
    "   klllllwwttttttttttwwrrrrrk   ",
    "   klllllllwwttttttwwrrrrrrrk   ",
    "   kllllllllwwwttwwwrrrrrrrrk   ",
    "   kllllllllllwwwwrrrrrrrrrrk   ",
    "   kllllllllllllwrrrrrrrrrrrk   ",
    "   kllllllllllllwrrrrrrrrrrrk   ",
    "   kllllllllllllwrrrrrrrrrrrk   ",
    "   kllllllllllllwrrrrrrrrrrrk   ",
    "   kllllllllllllwrrrrrrrrrrrk   ",
    "   kllllllllllllwrrrrrrrrrrrk   ",
    "   kllllllllllllwrrrrrrrrrrrk   ",
    "   kklllllllllllwrrrrrrrrrrkk   ",
    "    kkllllllllllwrrrrrrrrrkk    ",
    "      kkllllllllwrrrrrrrkk      ",
    "        kkllllllwrrrrrkk        ",
    "         kkkllllwrrrkkk         ",
    "           kklllwrrkk           ",
    "             kklwkk             ",
    "               kk               ",
    "                                ",
};

const char* const kIcon16[] = {
    "16 16 6 1",
    "  c None",
    "k c #1A2A4A",
    "w c #FFFFFF",
    "t c #D8E8FF",
    "l c #6FA0D8",
    "r c #30609A",
    "       kk       ",
    "      kkkk      ",
    "    kkttttkk    ",
    "  kkttttttttkk  ",
    " kkttttttttttkk ",
    " klwwttttttwwrk ",
    " kllwwwttwwwrrk ",
    " kllllwwwwrrrrk ",
    " kllllllwrrrrrk ",
    " kllllllwrrrrrk ",
    " kllllllwrrrrrk ",
    " kklllllwrrrrkk ",
    "  kkllllwrrrkk  ",
    "    kkllwrkk    ",
    "      kkkk      ",
    "       kk       ",
};

}

const char* const* MainIcon32() { return kIcon32; }
const char* const* MainIcon16() { return kIcon16; }
