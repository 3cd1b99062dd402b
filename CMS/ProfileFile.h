// Opening ICC profile files for reading through Qt, so that any path the
// platform can name (also outside the local 8-bit code page) can be opened.
#pragma once

#include "CmsHandles.h"

#include <QString>

// The profile at `path`, or an empty handle when no regular file is there, it
// cannot be read, it is shorter than the size its header states, or its
// header is not that of an ICC profile. Little CMS reads
// the header now and the tags later, on demand, through the same open file.
TProfile OpenProfileFile(const QString& path);
