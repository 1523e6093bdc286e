// Owning handles for lcms2 profiles and transforms, so every early return
// gives them back.
#pragma once

#include <lcms2.h>

#include <memory>
#include <type_traits>

namespace pictra {

struct ProfileClose {
    void operator()(cmsHPROFILE profile) const { cmsCloseProfile(profile); }
};
struct TransformDelete {
    void operator()(cmsHTRANSFORM transform) const { cmsDeleteTransform(transform); }
};

using ProfileHandle = std::unique_ptr<std::remove_pointer_t<cmsHPROFILE>, ProfileClose>;
using TransformHandle = std::unique_ptr<std::remove_pointer_t<cmsHTRANSFORM>, TransformDelete>;

} // namespace pictra
