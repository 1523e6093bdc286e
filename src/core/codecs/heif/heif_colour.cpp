// HEIF colour descriptions to ICC profiles.
#include "core/codecs/heif/heif_colour.h"

#include <memory>

namespace pictra {
namespace {

struct NclxFree {
    void operator()(heif_color_profile_nclx* nclx) const { heif_nclx_color_profile_free(nclx); }
};
using Nclx = std::unique_ptr<heif_color_profile_nclx, NclxFree>;

std::optional<ToneCurve> curveOf(heif_transfer_characteristics transfer)
{
    switch (transfer) {
    case heif_transfer_characteristic_linear: return ToneCurve::Linear;
    case heif_transfer_characteristic_ITU_R_BT_470_6_System_M: return ToneCurve::Gamma22;
    case heif_transfer_characteristic_ITU_R_BT_470_6_System_B_G: return ToneCurve::Gamma28;
    default: return std::nullopt;
    }
}

bool srgbPrimaries(heif_color_primaries primaries)
{
    return primaries == heif_color_primaries_ITU_R_BT_709_5 || primaries == heif_color_primaries_unspecified;
}

std::vector<std::uint8_t> nclxProfile(const heif_color_profile_nclx* nclx)
{
    if (!nclx)
        return {};
    const auto space = nclxColourSpace(*nclx);
    return space ? buildRgbProfile(*space) : std::vector<std::uint8_t>{};
}

} // namespace

std::optional<RgbColourSpace> nclxColourSpace(const heif_color_profile_nclx& nclx)
{
    const auto curve = curveOf(nclx.transfer_characteristics);
    if (srgbPrimaries(nclx.color_primaries) && !curve)
        return std::nullopt;
    RgbColourSpace space;
    if (srgbPrimaries(nclx.color_primaries))
        space = {{0.64, 0.33}, {0.30, 0.60}, {0.15, 0.06}, {0.3127, 0.3290}};
    else
        space = {{nclx.color_primary_red_x, nclx.color_primary_red_y},
                 {nclx.color_primary_green_x, nclx.color_primary_green_y},
                 {nclx.color_primary_blue_x, nclx.color_primary_blue_y},
                 {nclx.color_primary_white_x, nclx.color_primary_white_y}};
    space.curve = curve.value_or(ToneCurve::Srgb);
    return space;
}

std::vector<std::uint8_t> heifProfile(const heif_image_handle* handle, const heif_image* image)
{
    switch (heif_image_handle_get_color_profile_type(handle)) {
    case heif_color_profile_type_prof:
    case heif_color_profile_type_rICC: {
        std::vector<std::uint8_t> icc(heif_image_handle_get_raw_color_profile_size(handle));
        if (icc.empty() || heif_image_handle_get_raw_color_profile(handle, icc.data()).code != heif_error_Ok)
            return {};
        return icc;
    }
    case heif_color_profile_type_nclx: {
        heif_color_profile_nclx* nclx = nullptr;
        const heif_error error = heif_image_handle_get_nclx_color_profile(handle, &nclx);
        const Nclx owned(nclx); // libheif hands one out even with values it cannot name
        return error.code == heif_error_Ok ? nclxProfile(owned.get()) : std::vector<std::uint8_t>{};
    }
    default: break;
    }
    if (!image)
        return {};
    heif_color_profile_nclx* nclx = nullptr;
    const heif_error error = heif_image_get_nclx_color_profile(image, &nclx);
    const Nclx owned(nclx);
    return error.code == heif_error_Ok ? nclxProfile(owned.get()) : std::vector<std::uint8_t>{};
}

} // namespace pictra
