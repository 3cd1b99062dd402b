// CIELAB to screen colour through a display profile: Little CMS's CIELAB
// profile (version 4, D50) as source, the display profile as destination,
// one pixel through a transform without precalculation, built once per
// state of the profile file and kept (TransformCache.h).
#include "CMS.h"

#include "CmsHandles.h"
#include "ProfileFile.h"
#include "TransformCache.h"

#include <cmath>

namespace {

void IgnoreLittleCmsError(cmsContext, cmsUInt32Number, const char*) {}

// The display profile, or Little CMS's built-in sRGB profile in its place.
TTransform ScreenTransform(const QString& displayProfilePath, cmsHPROFILE lab)
{
    if (TProfile display = OpenProfileFile(displayProfilePath)) {
        TTransform transform(cmsCreateTransform(lab, TYPE_Lab_16, display.get(), TYPE_RGB_8,
                                                INTENT_PERCEPTUAL, cmsFLAGS_NOOPTIMIZE));
        if (transform)
            return transform;
    }
    TProfile builtIn(cmsCreate_sRGBProfile());
    if (!builtIn)
        return nullptr;
    return TTransform(cmsCreateTransform(lab, TYPE_Lab_16, builtIn.get(), TYPE_RGB_8,
                                         INTENT_PERCEPTUAL, cmsFLAGS_NOOPTIMIZE));
}

}  // namespace

void InitColorManagement()
{
    cmsSetLogErrorHandler(IgnoreLittleCmsError);
}

TScreenColor LabToScreenThrough(const QString& displayProfilePath, double L, double a, double b)
{
    const cmsCIELab value{std::trunc(L), std::trunc(a), std::trunc(b)};
    cmsUInt16Number encoded[3];
    cmsFloat2LabEncoded(encoded, &value);
    cmsUInt8Number rgb[3] = {0, 0, 0};
    // Built once per state of the display profile file (TransformCache.h).
    WithColorTransform(
        TTransformKind::Screen, displayProfilePath, INTENT_PERCEPTUAL,
        [&displayProfilePath]() -> TTransform {
            // The version 4 Lab profile takes the version 4 encoding of
            // cmsFloat2LabEncoded; the two must not be mixed with the version 2 pair.
            TProfile lab(cmsCreateLab4Profile(nullptr));
            if (!lab)
                return nullptr;
            return ScreenTransform(displayProfilePath, lab.get());
        },
        [&](cmsHTRANSFORM transform) {
            if (transform)
                cmsDoTransform(transform, encoded, rgb, 1);
        });
    return {rgb[0], rgb[1], rgb[2]};
}
