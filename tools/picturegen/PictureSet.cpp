#include "PictureSet.h"

#include <algorithm>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <stdexcept>

namespace picturegen {
namespace {

using pictures::Folder;

std::vector<std::uint8_t> BmpBytes(SDL_Surface* surface) {
    // 24-bit rows padded to 4 bytes after a 54-byte header, with room to spare.
    std::vector<std::uint8_t> buffer(
        static_cast<std::size_t>(1024 + (surface->w * 3 + 3) * surface->h));
    ui::RWopsPtr rw(SDL_RWFromMem(buffer.data(), static_cast<int>(buffer.size())));
    if (!rw || SDL_SaveBMP_RW(surface, rw.get(), 0) != 0) {
        throw std::runtime_error(SDL_GetError());
    }
    buffer.resize(static_cast<std::size_t>(SDL_RWtell(rw.get())));
    return buffer;
}

const pictures::EmbeddedSpec& ListedEmbedded(std::string_view name) {
    for (const auto& entry : pictures::kEmbeddedPictures) {
        if (entry.name == name) {
            return entry;
        }
    }
    throw std::logic_error("not an embedded picture: " + std::string(name));
}

Canvas RenderSpot(const Screen& screen, FontBook& fonts, pictures::Spot spot, int width, int height,
                  const Variant& variant, std::string_view name) {
    if (spot.background != screen.background) {
        throw std::logic_error(std::string(name) + " does not lie on " +
                               std::string(screen.background));
    }
    return Render({spot.x, spot.y, width, height},
                  [&](Canvas& canvas) { screen.draw(canvas, fonts, variant); });
}

std::string Identifier(std::string_view name) {
    return "k_" + std::string(name);
}

} // namespace

void PictureSet::Add(std::string name, Folder folder, const Canvas& canvas) {
    entries_.push_back({std::move(name), folder, canvas.ToSurface()});
}

void PictureSet::AddEmbedded(std::string_view name, const Canvas& canvas) {
    const SurfacePtr surface = canvas.ToSurface();
    embedded_.push_back({std::string(name), surface->w, surface->h, BmpBytes(surface.get())});
}

void PictureSet::AddBackground(const Screen& screen) {
    const Canvas canvas =
        Render({0, 0, 640, 480}, [&](Canvas& c) { screen.draw(c, fonts_, Variant{}); });
    if (screen.background == "jogo_fundo") {
        AddEmbedded(screen.background, canvas);
    } else {
        Add(std::string(screen.background), Folder::Package, canvas);
    }
}

void PictureSet::Cut(const Screen& screen, std::string_view name, const Variant& variant) {
    const pictures::Picture& picture = pictures::Listed(name);
    Add(picture.name, picture.folder,
        RenderSpot(screen, fonts_, picture.spot, picture.width, picture.height, variant, name));
}

void PictureSet::CutEmbedded(const Screen& screen, std::string_view name, const Variant& variant) {
    const pictures::EmbeddedSpec& entry = ListedEmbedded(name);
    AddEmbedded(name,
                RenderSpot(screen, fonts_, entry.spot, entry.width, entry.height, variant, name));
}

void PictureSet::CheckAgainstManifest() const {
    std::ostringstream problems;
    std::map<std::pair<Folder, std::string>, const SDL_Surface*> drawn;
    for (const Entry& e : entries_) {
        if (!drawn.emplace(std::make_pair(e.folder, e.name), e.surface.get()).second) {
            problems << "drawn twice: " << e.name << "\n";
        }
    }
    for (const pictures::Picture& p : pictures::AllPictures()) {
        const auto it = drawn.find({p.folder, p.name});
        if (it == drawn.end()) {
            problems << "missing: " << pictures::FolderPath(p.folder) << "/" << p.name << "\n";
            continue;
        }
        if (it->second->w != p.width || it->second->h != p.height) {
            problems << "wrong size: " << p.name << "\n";
        }
        drawn.erase(it);
    }
    for (const auto& [key, surface] : drawn) {
        problems << "not in the manifest: " << key.second << "\n";
    }
    std::set<std::string_view> embedded;
    for (const Blob& b : embedded_) {
        embedded.insert(b.name);
        const auto& entry = ListedEmbedded(b.name);
        if (entry.width != b.width || entry.height != b.height) {
            problems << "wrong size: " << b.name << "\n";
        }
    }
    for (const auto& entry : pictures::kEmbeddedPictures) {
        if (!embedded.contains(entry.name)) {
            problems << "missing embedded picture: " << entry.name << "\n";
        }
    }
    if (!problems.str().empty()) {
        throw std::runtime_error("the pictures do not match the manifest:\n" + problems.str());
    }
}

void PictureSet::WriteFolders(const std::filesystem::path& gameDir) const {
    for (const Entry& e : entries_) {
        const std::filesystem::path folder = gameDir / pictures::FolderPath(e.folder);
        std::filesystem::create_directories(folder);
        const std::string file = (folder / (e.name + ".bmp")).string();
        if (SDL_SaveBMP(e.surface.get(), file.c_str()) != 0) {
            throw std::runtime_error(file + ": " + SDL_GetError());
        }
    }
}

void PictureSet::WriteEmbeddedSource(const std::filesystem::path& file) const {
    std::ostringstream out;
    out << "// Generated by quorvane_picturegen from its own drawings; do not edit.\n"
        << "#include \"embedded/EmbeddedPictures.h\"\n\n#include <array>\n\nnamespace {\n\n";
    for (const Blob& b : embedded_) {
        out << "constexpr std::uint8_t " << Identifier(b.name) << "[] = {";
        for (std::size_t i = 0; i < b.bytes.size(); ++i) {
            out << (i % 24 == 0 ? "\n    " : "") << static_cast<int>(b.bytes[i]) << ",";
        }
        out << "\n};\n\n";
    }
    out << "struct Entry {\n    std::string_view name;\n    std::span<const std::uint8_t> "
           "bytes;\n};\n\n"
        << "constexpr std::array<Entry, " << embedded_.size() << "> kEntries = {{\n";
    for (const Blob& b : embedded_) {
        out << "    {\"" << b.name << "\", " << Identifier(b.name) << "},\n";
    }
    out << "}};\n\n} // namespace\n\n"
        << "std::span<const std::uint8_t> EmbeddedPicture(std::string_view name) {\n"
        << "    for (const Entry& e : kEntries) {\n        if (e.name == name) {\n"
        << "            return e.bytes;\n        }\n    }\n    return {};\n}\n";
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << out.str();
}

} // namespace picturegen

namespace picturegen {

Rect PlaceOf(std::string_view name) {
    for (const auto& entry : pictures::kEmbeddedPictures) {
        if (entry.name == name) {
            return {entry.spot.x, entry.spot.y, entry.width, entry.height};
        }
    }
    const pictures::Picture& p = pictures::Listed(name);
    return {p.spot.x, p.spot.y, p.width, p.height};
}

} // namespace picturegen
