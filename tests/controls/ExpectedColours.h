#pragma once

#include <QRgb>

#include <string_view>

// The colours every look of the button must show, state by state, written out apart from the
// program's own table so that a slip in either shows up as a failing test.
struct ExpectedColour {
    const char *name;
    QRgb perState[5];
};

inline constexpr ExpectedColour expectedColours[] = {
    { "G0",
        { qRgb(242, 242, 242), qRgb(234, 246, 253), qRgb(228, 243, 251), qRgb(236, 245, 250),
            qRgb(244, 244, 244) } },
    { "G1",
        { qRgb(235, 235, 235), qRgb(217, 240, 252), qRgb(196, 229, 246), qRgb(230, 242, 248),
            qRgb(244, 244, 244) } },
    { "G2",
        { qRgb(221, 221, 221), qRgb(190, 230, 253), qRgb(152, 209, 239), qRgb(206, 231, 244),
            qRgb(244, 244, 244) } },
    { "G3",
        { qRgb(207, 207, 207), qRgb(167, 217, 245), qRgb(104, 179, 219), qRgb(187, 219, 237),
            qRgb(244, 244, 244) } },
    { "G4",
        { qRgb(251, 251, 251), qRgb(249, 253, 254), qRgb(176, 195, 206), qRgb(52, 213, 254),
            qRgb(252, 252, 252) } },
    { "G5",
        { qRgb(250, 250, 250), qRgb(245, 251, 254), qRgb(154, 186, 203), qRgb(51, 212, 253),
            qRgb(252, 252, 252) } },
    { "G6",
        { qRgb(246, 246, 246), qRgb(239, 249, 254), qRgb(120, 170, 197), qRgb(56, 210, 252),
            qRgb(252, 252, 252) } },
    { "G7",
        { qRgb(243, 243, 243), qRgb(233, 246, 253), qRgb(85, 146, 181), qRgb(42, 207, 250),
            qRgb(252, 252, 252) } },
    { "C0",
        { qRgb(112, 112, 112), qRgb(60, 127, 177), qRgb(44, 98, 139), qRgb(60, 127, 177),
            qRgb(173, 178, 181) } },
    { "C1",
        { qRgb(252, 252, 252), qRgb(250, 253, 254), qRgb(158, 176, 186), qRgb(52, 213, 254),
            qRgb(252, 252, 252) } },
    { "C20",
        { qRgb(243, 243, 243), qRgb(232, 245, 252), qRgb(104, 179, 219), qRgb(41, 206, 250),
            qRgb(252, 252, 252) } },
    { "C2",
        { qRgb(144, 144, 144), qRgb(102, 147, 181), qRgb(57, 89, 113), qRgb(160, 190, 212),
            qRgb(183, 187, 190) } },
    { "C3",
        { qRgb(119, 119, 119), qRgb(66, 131, 179), qRgb(46, 96, 134), qRgb(86, 143, 186),
            qRgb(175, 180, 183) } },
    { "C4",
        { qRgb(135, 136, 136), qRgb(88, 138, 175), qRgb(51, 86, 113), qRgb(158, 188, 211),
            qRgb(177, 181, 184) } },
    { "C5",
        { qRgb(145, 145, 145), qRgb(105, 157, 195), qRgb(58, 104, 138), qRgb(50, 146, 195),
            qRgb(192, 195, 198) } },
    { "C6",
        { qRgb(232, 232, 232), qRgb(223, 235, 243), qRgb(134, 157, 171), qRgb(44, 199, 243),
            qRgb(241, 242, 242) } },
    { "C7",
        { qRgb(117, 117, 117), qRgb(62, 128, 178), qRgb(44, 95, 134), qRgb(83, 142, 185),
            qRgb(174, 179, 182) } },
    { "C8",
        { qRgb(234, 234, 234), qRgb(225, 237, 244), qRgb(134, 157, 171), qRgb(45, 200, 244),
            qRgb(242, 242, 243) } },
    { "C9",
        { qRgb(250, 250, 250), qRgb(247, 251, 254), qRgb(186, 203, 213), qRgb(107, 223, 253),
            qRgb(251, 251, 251) } },
    { "C10",
        { qRgb(112, 112, 112), qRgb(62, 128, 178), qRgb(44, 98, 139), qRgb(60, 127, 177),
            qRgb(173, 178, 181) } },
    { "C11",
        { qRgb(252, 252, 252), qRgb(249, 253, 254), qRgb(170, 188, 199), qRgb(52, 213, 254),
            qRgb(252, 252, 252) } },
    { "C12",
        { qRgb(134, 134, 134), qRgb(87, 138, 175), qRgb(75, 117, 147), qRgb(155, 187, 210),
            qRgb(176, 181, 184) } },
    { "C13",
        { qRgb(117, 117, 117), qRgb(62, 128, 178), qRgb(46, 100, 140), qRgb(81, 140, 184),
            qRgb(174, 179, 182) } },
    { "C14",
        { qRgb(136, 136, 136), qRgb(90, 139, 176), qRgb(71, 110, 140), qRgb(158, 188, 211),
            qRgb(177, 182, 185) } },
    { "C15",
        { qRgb(143, 143, 143), qRgb(100, 155, 195), qRgb(47, 100, 138), qRgb(50, 145, 194),
            qRgb(192, 195, 198) } },
    { "C16",
        { qRgb(228, 228, 228), qRgb(212, 231, 243), qRgb(99, 172, 211), qRgb(37, 197, 242),
            qRgb(243, 243, 244) } },
    { "C17",
        { qRgb(117, 117, 117), qRgb(62, 129, 178), qRgb(45, 97, 136), qRgb(83, 142, 185),
            qRgb(174, 179, 182) } },
    { "C18",
        { qRgb(226, 226, 226), qRgb(211, 230, 242), qRgb(85, 146, 181), qRgb(37, 196, 241),
            qRgb(242, 242, 243) } },
    { "C19",
        { qRgb(236, 236, 236), qRgb(220, 240, 251), qRgb(109, 181, 220), qRgb(84, 210, 247),
            qRgb(251, 251, 251) } },
};

// The colour named "G3", "C17" ... for one state.
inline QRgb expectedColour(std::string_view name, int state)
{
    for (const ExpectedColour &colour : expectedColours) {
        if (name == colour.name)
            return colour.perState[state];
    }
    return 0;
}
