// CMYK output profiles: acceptance, description and CIELAB to CMYK through
// a transform with high-resolution precalculation.
#include "OutputProfile.h"

#include "CmsHandles.h"
#include "ProfileFile.h"
#include "TransformCache.h"

#include <cmath>
#include <vector>

namespace {

bool IsCmykOutputProfile(cmsHPROFILE profile)
{
    return cmsGetColorSpace(profile) == cmsSigCmykData
           && ProfileClassAccepted(std::uint32_t(cmsGetDeviceClass(profile)), ClassMaskOutput);
}

QString DescriptionOf(cmsHPROFILE profile)
{
    const cmsUInt32Number size = cmsGetProfileInfoASCII(profile, cmsInfoDescription, "en", "US", nullptr, 0);
    if (size == 0)
        return {};
    std::vector<char> text(size + 1, '\0');
    cmsGetProfileInfoASCII(profile, cmsInfoDescription, "en", "US", text.data(), size);
    return QString::fromLatin1(text.data());
}

}  // namespace

bool ProfileClassAccepted(std::uint32_t deviceClass, int mask)
{
    return ((mask & ClassMaskDisplay) && deviceClass == cmsSigDisplayClass)
           || ((mask & ClassMaskOutput) && deviceClass == cmsSigOutputClass)
           || ((mask & ClassMaskInput) && deviceClass == cmsSigInputClass)
           || ((mask & ClassMaskColorSpace) && deviceClass == cmsSigColorSpaceClass)
           || ((mask & ClassMaskAbstract) && deviceClass == cmsSigAbstractClass);
}

QString ProfileDescription(const QString& path)
{
    const TProfile profile = OpenProfileFile(path);
    if (!profile || !IsCmykOutputProfile(profile.get()))
        return {};
    return DescriptionOf(profile.get());
}

std::optional<TDeviceColor> LabToDevice(const QString& profilePath, double L, double a, double b, int intent)
{
    if (intent < INTENT_PERCEPTUAL || intent > INTENT_ABSOLUTE_COLORIMETRIC)
        return std::nullopt;
    // nearbyint rounds halves to even in the default rounding mode.
    const cmsCIELab value{std::nearbyint(L), std::nearbyint(a), std::nearbyint(b)};
    cmsUInt16Number encoded[3];
    cmsFloat2LabEncoded(encoded, &value);
    std::optional<TDeviceColor> device;
    // Built once per state of the profile file and intent (TransformCache.h).
    WithColorTransform(
        TTransformKind::Device, profilePath, intent,
        [&profilePath, intent]() -> TTransform {
            TProfile lab(cmsCreateLab4Profile(nullptr));
            TProfile printer = OpenProfileFile(profilePath);
            if (!lab || !printer || !IsCmykOutputProfile(printer.get()))
                return nullptr;
            return TTransform(cmsCreateTransform(lab.get(), TYPE_Lab_16, printer.get(), TYPE_CMYK_8,
                                                 cmsUInt32Number(intent), cmsFLAGS_HIGHRESPRECALC));
        },
        [&](cmsHTRANSFORM transform) {
            if (!transform)
                return;
            TDeviceColor bytes{};
            cmsDoTransform(transform, encoded, bytes.data(), 1);
            device = bytes;
        });
    return device;
}

int DevicePercent(std::uint8_t value)
{
    return int(std::nearbyint(double(value) * 100.0 / 255.0));
}
