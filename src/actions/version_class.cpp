#include "actions/version_class.h"

namespace {

int ClassifyWindows9x(unsigned major, unsigned minor, unsigned build)
{
    if (major != 4)
        return 0;
    if (minor < 10) {
        if (build == 950)
            return 1;
        if (build > 950 && build <= 1080)
            return 2;
        if (build > 1080)
            return 3;
        return 0;
    }
    if (minor == 10) {
        if (build == 1998)
            return 4;
        if (build > 1998 && build < 2183)
            return 5;
        if (build >= 2183)
            return 6;
        return 0;
    }
    if (minor == 90)
        return 7;
    return 0;
}

int ClassifyWindowsNt(unsigned major, unsigned minor)
{
    if (major >= 6)
        return 106;
    if (major == 3 && minor == 51)
        return 101;
    if (major == 4 && minor == 0)
        return 102;
    if (major == 5) {
        switch (minor) {
        case 0:
            return 103;
        case 1:
            return 104;
        case 2:
            return 105;
        default:
            return 0;
        }
    }
    return 0;
}

}  // namespace

int ClassifyWindowsVersion(unsigned platform, unsigned major, unsigned minor, unsigned build)
{
    // The 95 family repeats major and minor version in the high word of the
    // build number, so only the low word is the build.
    build &= 0xFFFFu;
    switch (platform) {
    case 1:
        return ClassifyWindows9x(major, minor, build);
    case 2:
        return ClassifyWindowsNt(major, minor);
    case 3:
        return 201;
    default:
        return 0;
    }
}
