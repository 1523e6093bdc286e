// Merging album texts into XMP packets with exiv2's XMP toolkit.
#include "core/metadata/xmp_sidecar.h"

#include "core/imaging_library/exiv2_setup.h"
#include "core/util/file_io.h"

#include <exiv2/exiv2.hpp>

#include <cstdio>
#include <exception>
#include <filesystem>
#include <utility>

namespace pictra {
namespace {

std::string xmpDateText(const TakenDate& date)
{
    char text[16];
    if (date.month == 0)
        std::snprintf(text, sizeof text, "%04d", date.year);
    else if (date.day == 0)
        std::snprintf(text, sizeof text, "%04d-%02d", date.year, date.month);
    else
        std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
    return text;
}

// Sets a simple text property. Whatever stood there is dropped first: an
// array or a structure found under the key (other programs write Location as
// a bag) would otherwise take the text as one more item.
void eraseKey(Exiv2::XmpData& xmp, const Exiv2::XmpKey& key)
{
    for (auto it = xmp.findKey(key); it != xmp.end(); it = xmp.findKey(key))
        xmp.erase(it);
}

void setText(Exiv2::XmpData& xmp, const char* key, const std::string& text)
{
    const Exiv2::XmpKey xmpKey(key);
    eraseKey(xmp, xmpKey);
    const Exiv2::XmpTextValue value(text);
    xmp.add(xmpKey, &value);
}

// Sets the default-language text of a LangAlt property, keeping its other languages.
void setDefaultText(Exiv2::XmpData& xmp, const char* key, const std::string& text)
{
    const Exiv2::XmpKey xmpKey(key);
    Exiv2::LangAltValue value;
    const auto it = xmp.findKey(xmpKey);
    if (it != xmp.end())
        if (const auto* old = dynamic_cast<const Exiv2::LangAltValue*>(&it->value()))
            value.value_ = old->value_;
    eraseKey(xmp, xmpKey);
    value.value_["x-default"] = text;
    xmp.add(xmpKey, &value);
}

void setCreator(Exiv2::XmpData& xmp, const std::string& creator)
{
    const auto it = xmp.findKey(Exiv2::XmpKey("Xmp.dc.creator"));
    if (it != xmp.end()) {
        if (it->count() == 1 && it->toString(0) == creator)
            return;
        xmp.erase(it);
    }
    Exiv2::XmpArrayValue value(Exiv2::xmpSeq);
    value.read(creator);
    xmp.add(Exiv2::XmpKey("Xmp.dc.creator"), &value);
}

void setDate(Exiv2::XmpData& xmp, const TakenDate& date)
{
    const std::string text = xmpDateText(date);
    setText(xmp, "Xmp.photoshop.DateCreated", text);
    const auto create = xmp.findKey(Exiv2::XmpKey("Xmp.xmp.CreateDate"));
    if (create != xmp.end() && parseTakenDate(create->toString()) != date)
        create->setValue(text);
}

void mergeFields(Exiv2::XmpData& xmp, const PhotoMetadata& fields)
{
    if (!fields.title.empty())
        setDefaultText(xmp, "Xmp.dc.title", fields.title);
    if (!fields.description.empty())
        setDefaultText(xmp, "Xmp.dc.description", fields.description);
    if (!fields.creator.empty())
        setCreator(xmp, fields.creator);
    if (!fields.location.empty())
        setText(xmp, "Xmp.iptc.Location", fields.location);
    if (fields.taken)
        setDate(xmp, *fields.taken);
}

// Whether every text that went in reads back from the packet.
bool keepsTexts(const PhotoMetadata& back, const PhotoMetadata& fields)
{
    for (auto [got, wanted] : {std::pair{&back.title, &fields.title}, std::pair{&back.description, &fields.description},
                               std::pair{&back.creator, &fields.creator}, std::pair{&back.location, &fields.location}}) {
        if (!wanted->empty() && *got != *wanted)
            return false;
    }
    return true;
}

} // namespace

std::string sidecarPath(const std::string& imagePath)
{
    return std::filesystem::path(imagePath).replace_extension(".xmp").string();
}

std::vector<std::string> sidecarReadPaths(const std::string& imagePath)
{
    std::vector<std::string> paths{sidecarPath(imagePath)};
    if (std::string whole = imagePath + ".xmp"; whole != paths.front())
        paths.push_back(std::move(whole));
    return paths;
}

Result<PhotoMetadata> readSidecarMetadata(const std::string& imagePath)
{
    std::optional<PhotoMetadata> found;
    Status failure = Status::NotFound;
    for (const std::string& path : sidecarReadPaths(imagePath)) {
        auto bytes = readFile(path, kMaxSidecarBytes);
        if (!bytes) {
            if (failure == Status::NotFound)
                failure = bytes.status();
            continue;
        }
        auto fields = photoMetadataFromXmp(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
        if (!fields) {
            if (failure == Status::NotFound)
                failure = fields.status();
            continue;
        }
        found = found ? mergedMetadata(std::move(*found), *fields) : std::move(*fields);
    }
    if (!found)
        return failure;
    return std::move(*found);
}

Result<std::string> mergedSidecarPacket(std::string_view existing, const PhotoMetadata& fields)
{
    prepareExiv2();
    try {
        Exiv2::XmpData xmp;
        if (!existing.empty() && Exiv2::XmpParser::decode(xmp, std::string(existing)) != 0)
            return Status::Corrupt;
        mergeFields(xmp, fields);
        std::string packet;
        if (Exiv2::XmpParser::encode(packet, xmp, Exiv2::XmpParser::useCompactFormat) != 0)
            return Status::Corrupt;
        // A sidecar that binds a standard prefix to another namespace makes
        // the XMP toolkit write a packet it cannot read back; it is left alone.
        const auto back = photoMetadataFromXmp(packet);
        if (!back || !keepsTexts(*back, fields))
            return Status::Corrupt;
        return packet;
    } catch (const std::exception&) {
        return Status::Corrupt;
    }
}

Status writeXmpSidecar(const std::string& imagePath, const PhotoMetadata& fields)
{
    const std::string target = sidecarPath(imagePath);
    std::string existing;
    if (fileExists(target)) {
        auto bytes = readFile(target, kMaxSidecarBytes);
        if (!bytes)
            return bytes.status();
        existing.assign(bytes->begin(), bytes->end());
    }
    auto packet = mergedSidecarPacket(existing, fields);
    if (!packet)
        return packet.status();
    return writeFileAtomic(target, std::span(reinterpret_cast<const std::uint8_t*>(packet->data()), packet->size()));
}

} // namespace pictra
