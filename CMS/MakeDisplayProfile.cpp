// Build-time tool: writes Little CMS's sRGB profile to the file named on the
// command line (the display profile that lies beside the executable).
#include <lcms2.h>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output profile>\n", argv[0]);
        return 2;
    }
    cmsHPROFILE profile = cmsCreate_sRGBProfile();
    if (profile == nullptr) {
        std::fprintf(stderr, "Little CMS could not create the sRGB profile\n");
        return 1;
    }
    const bool saved = cmsSaveProfileToFile(profile, argv[1]) != FALSE;
    cmsCloseProfile(profile);
    if (!saved) {
        std::fprintf(stderr, "could not write %s\n", argv[1]);
        std::remove(argv[1]);
        return 1;
    }
    return 0;
}
