// Owning handles for Little CMS profiles and transforms, so that every
// profile and transform opened in one conversion is closed on every path.
#pragma once

#include <lcms2.h>

#include <memory>
#include <type_traits>

struct TProfileCloser {
    void operator()(void* profile) const { cmsCloseProfile(profile); }
};
struct TTransformDeleter {
    void operator()(void* transform) const { cmsDeleteTransform(transform); }
};

using TProfile = std::unique_ptr<std::remove_pointer_t<cmsHPROFILE>, TProfileCloser>;
using TTransform = std::unique_ptr<std::remove_pointer_t<cmsHTRANSFORM>, TTransformDeleter>;
