// Colour transforms kept for reuse. Building a Little CMS transform costs far
// more than using it (a screen colour: about half a millisecond to build;
// a CMYK transform with high-resolution precalculation: tens of
// milliseconds), so each is built once and kept, keyed by what it was built
// from: the kind of conversion, the profile file's identity (path, size,
// modification and change times, and on POSIX systems the device and file
// number) and the intent. A changed or replaced file has another identity and
// gets a new transform at its next conversion; the old one is released then.
// A file changed less than a second ago is not trusted to show its next
// change in its times (they advance in coarse ticks): its transform is built
// for each conversion until the file has settled.
#pragma once

#include "CmsHandles.h"

#include <QString>

#include <cstddef>
#include <functional>

enum class TTransformKind { Screen, Device };

// Runs `use` with the transform for (kind, the file at `profilePath`,
// intent), made by `build` when there is none yet for the file as it is now.
// `build` may answer an empty handle (no usable profile): that answer is
// kept too, until the file changes, and `use` gets nullptr.
// Conversions run one at a time (a lock), as a transform keeps state.
void WithColorTransform(TTransformKind kind, const QString& profilePath, int intent,
                        const std::function<TTransform()>& build, const std::function<void(cmsHTRANSFORM)>& use);

// Releases every kept transform (at the program's end; tests and benchmarks
// use it to measure or compare the uncached conversion).
void ReleaseColorTransforms();
std::size_t ColorTransformCount();
