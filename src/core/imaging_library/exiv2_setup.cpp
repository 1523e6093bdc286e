// One-time exiv2 set-up.
#include "core/imaging_library/exiv2_setup.h"

#include <exiv2/exiv2.hpp>

#include <mutex>

namespace pictra {

void prepareExiv2()
{
    static std::once_flag once;
    std::call_once(once, [] {
        Exiv2::LogMsg::setLevel(Exiv2::LogMsg::mute);
        Exiv2::XmpParser::initialize();
#ifdef EXV_ENABLE_BMFF
        Exiv2::enableBMFF(true);
#endif
    });
}

} // namespace pictra
