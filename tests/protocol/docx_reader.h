#pragma once

// Reads a saved package back with libzip and pugixml, as a word processor would find it.
#include <memory>
#include <pugixml.hpp>
#include <stdexcept>
#include <string>
#include <vector>
#include <zip.h>

namespace protocol::testing {

inline std::unique_ptr<zip_t, decltype(&zip_discard)> OpenPackage(const std::string& package) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(package.data(), package.size(), 0, &error);
    if (!source)
        throw std::runtime_error("no zip source");
    zip_t* archive = zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error);
    if (!archive) {
        zip_source_free(source);
        throw std::runtime_error(std::string("not a zip: ") + zip_error_strerror(&error));
    }
    return {archive, zip_discard};
}

// The parts' names in the package's order.
inline std::vector<std::string> PartNames(const std::string& package) {
    const auto archive = OpenPackage(package);
    std::vector<std::string> names;
    const zip_int64_t count = zip_get_num_entries(archive.get(), 0);
    for (zip_int64_t i = 0; i < count; ++i)
        names.emplace_back(zip_get_name(archive.get(), static_cast<zip_uint64_t>(i), 0));
    return names;
}

inline std::string ReadPart(const std::string& package, const char* name) {
    const auto guard = OpenPackage(package);
    zip_t* archive = guard.get();
    zip_stat_t stat;
    if (zip_stat(archive, name, 0, &stat) < 0)
        throw std::runtime_error(std::string("no part ") + name);
    zip_file_t* file = zip_fopen(archive, name, 0);
    if (!file)
        throw std::runtime_error(std::string("cannot open part ") + name);
    std::string content(stat.size, '\0');
    const zip_int64_t read = zip_fread(file, content.data(), content.size());
    zip_fclose(file);
    if (read != static_cast<zip_int64_t>(stat.size))
        throw std::runtime_error(std::string("short part ") + name);
    return content;
}

// Parses a part; fails on malformed XML.
inline pugi::xml_document ParsePart(const std::string& package, const char* name) {
    const std::string content = ReadPart(package, name);
    pugi::xml_document xml;
    const pugi::xml_parse_result result = xml.load_buffer(
        content.data(), content.size(), pugi::parse_default | pugi::parse_ws_pcdata);
    if (!result)
        throw std::runtime_error(std::string(name) + ": " + result.description());
    return xml;
}

} // namespace protocol::testing
