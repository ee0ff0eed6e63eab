// Lays out the distribution media: the installer, "INSTALL.INF" describing this suite,
// "Agree.txt", the programs with the files they expect beside them, and the part and package
// libraries packed as zip archives.
//
//   make_media PROGRAM_FOLDER MEDIA_FOLDER

#include "platform/core/archive.h"
#include "setlander/install_info.h"

#include <zip.h>

#include <algorithm>
#include <cstdlib>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct MediaFile {
    std::string description;
    std::string name;
    int folder = 1;
    bool archive = false;
};

// Folders packed as archives, and the word in the archive's name that tells the installer
// where to unpack it.
const std::map<std::string, std::string> kArchivedFolders{{"LIB", "LIBRARY.ZIP"}, {"PACKAGES", "PACKAGES.ZIP"}};

// One paragraph a line: the agreement box wraps them to its width.
const char* kAgreement =
    "QUILLMERE SOFTWARE LICENCE\r\n\r\n"
    "This suite (Schemora, Tracelyn and Setlander) is provided as it is, without any warranty. You may install "
    "it on any number of your own computers and use it to design and make your circuits and boards. You may not "
    "sell the suite itself.\r\n\r\n"
    "Check every design before you build it: the authors are not liable for boards made from files this suite "
    "produced.\r\n\r\n"
    "Press Agree to accept these terms, then Next.\r\n";

std::string describe(const fs::path& file)
{
    static const std::pair<std::string_view, const char*> byName[] = {
        {"schemora", "Schemora schematic capture"}, {"tracelyn", "Tracelyn board layout"},
        {"place", "Placement utility"}, {"build", "Library build utility"}};
    static const std::pair<std::string_view, const char*> byExtension[] = {
        {".ini", "Settings"}, {".svg", "Program icon"}, {".wav", "Sound"}, {".pic", "Drawing"},
        {".PIC", "Drawing"}, {".tlz", "Board"}, {".MOD", "Simulation models"}, {".mod", "Simulation models"}};
    const std::string name = file.filename().string();
    for (const auto& [program, description] : byName)
        if (name == program)
            return description;
    const std::string ext = file.extension().string();
    for (const auto& [extension, description] : byExtension)
        if (ext == extension)
            return description;
    return "Program file";
}

uintmax_t folderBytes(const fs::path& folder)
{
    uintmax_t bytes = 0;
    for (const auto& e : fs::recursive_directory_iterator(folder))
        if (e.is_regular_file())
            bytes += e.file_size();
    return bytes;
}

// libzip writes the archive beside its target and renames it over the target when it closes,
// so an archive that cannot be written leaves the older one in place.
bool zipFolder(const fs::path& folder, const fs::path& archive)
{
    int error = 0;
    zip_t* z = zip_open(archive.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!z) {
        std::cerr << "make_media: Cannot write " << archive.string() << "\n";
        return false;
    }
    std::vector<fs::path> files;
    for (const auto& e : fs::recursive_directory_iterator(folder))
        if (e.is_regular_file())
            files.push_back(e.path());
    std::sort(files.begin(), files.end());
    for (const auto& f : files) {
        zip_source_t* source = zip_source_file(z, f.c_str(), 0, -1);
        const std::string name = fs::relative(f, folder).generic_string();
        if (!source || zip_file_add(z, name.c_str(), source, ZIP_FL_OVERWRITE | ZIP_FL_ENC_UTF_8) < 0) {
            std::cerr << "make_media: cannot pack " << f.string() << ": " << zip_strerror(z) << "\n";
            zip_source_free(source);
            zip_discard(z);
            return false;
        }
    }
    if (zip_close(z) != 0) {
        std::cerr << "make_media: Cannot write " << archive.string() << ": " << zip_strerror(z) << "\n";
        zip_discard(z);
        return false;
    }
    return true;
}

bool report(const plat::WriteResult& written)
{
    if (!written)
        std::cerr << "make_media: " << written.message() << "\n";
    return written;
}

// Copies a file whole or not at all, keeping its permissions (the programs stay executable).
bool copyInto(const fs::path& from, const fs::path& to)
{
    std::error_code ec;
    fs::create_directories(to.parent_path(), ec);
    const auto source = plat::Archive::loadFile(from.string());
    const fs::perms perms = fs::status(from, ec).permissions();
    if (!source || ec) {
        std::cerr << "make_media: cannot read " << from << "\n";
        return false;
    }
    plat::AtomicFile copy(to.string());
    copy.setMode(static_cast<unsigned>(perms & fs::perms::mask));
    copy.write(source->bytes().data(), source->size());
    return report(copy.commit());
}

// The media carries the programs without their debugging sections.
void strip(const std::string& stripProgram, const fs::path& file)
{
    if (stripProgram.empty())
        return;
    const std::string command = "\"" + stripProgram + "\" --strip-debug \"" + file.string() + "\"";
    if (std::system(command.c_str()) != 0)
        std::cerr << "make_media: could not strip " << file << "\n";
}

bool writeText(const fs::path& path, const std::string& text)
{
    return report(plat::writeFileAtomically(path.string(), text));
}

std::string infText(const std::vector<std::string>& dirs, const std::vector<MediaFile>& files, uintmax_t bytes)
{
    std::string t = "; Installation of the Quillmere design suite\r\n[Application]\r\n";
    t += "AppName=Quillmere Schemora and Tracelyn\r\n";
    t += "DefDir=~/Quillmere\r\n";
    t += "SpaceNeeded=" + std::to_string(std::min<uintmax_t>((bytes + 1023) / 1024, 65535)) + "\r\n";
    t += "DefPMGroup=Quillmere,Quillmere\r\n\r\n[Disks]\r\n1=Quillmere suite\r\n\r\n[Dirs]\r\n";
    for (size_t i = 0; i < dirs.size(); ++i)
        t += std::to_string(i + 1) + "=" + dirs[i] + "\r\n";
    t += "\r\n[Files]\r\n";
    for (const auto& f : files)
        t += f.description + "," + f.name + "," + std::to_string(f.folder) + ",1," + (f.archive ? "Y" : "N") + "\r\n";
    t += "\r\n[PM Info]\r\nschemora,Schemora,schemora.svg,0\r\ntracelyn,Tracelyn,tracelyn.svg,0\r\n\r\n[End]\r\n";
    return t;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3 && argc != 4) {
        std::cerr << "usage: make_media PROGRAM_FOLDER MEDIA_FOLDER [STRIP]\n";
        return 2;
    }
    const fs::path program = argv[1], media = argv[2];
    const std::string stripProgram = argc == 4 ? argv[3] : "";
    fs::create_directories(media);
    std::vector<std::string> dirs{""};      // folder 1: the installation folder itself
    std::vector<MediaFile> files;
    uintmax_t bytes = 0;
    bool ok = true;

    std::vector<fs::directory_entry> entries{fs::directory_iterator(program), fs::directory_iterator()};
    std::sort(entries.begin(), entries.end());
    for (const auto& e : entries) {
        const std::string name = e.path().filename().string();
        if (e.is_regular_file()) {
            files.push_back({describe(e.path()), name, 1, false});
            ok = copyInto(e.path(), media / name) && ok;
            if ((e.status().permissions() & fs::perms::owner_exec) != fs::perms::none)
                strip(stripProgram, media / name);
            bytes += fs::file_size(media / name);
        } else if (auto archived = kArchivedFolders.find(name); e.is_directory() && archived != kArchivedFolders.end()) {
            files.push_back({name == "LIB" ? "Part libraries" : "Board packages", archived->second, 1, true});
            bytes += folderBytes(e.path());
            ok = zipFolder(e.path(), media / archived->second) && ok;
        } else if (e.is_directory()) {
            dirs.push_back(name);
            for (const auto& f : fs::directory_iterator(e.path())) {
                if (!f.is_regular_file())
                    continue;
                files.push_back({describe(f.path()), f.path().filename().string(), static_cast<int>(dirs.size()), false});
                bytes += f.file_size();
                ok = copyInto(f.path(), media / name / f.path().filename()) && ok;
            }
        }
    }
    // The installer's tables have fixed capacities: a file that would not fit would be left out
    // of the installation, so the media is refused instead.
    for (const auto& f : files)
        if (f.name.size() >= kFileNameSize || f.description.size() >= kFileDescriptionSize) {
            std::cerr << "make_media: the name \"" << f.name << "\" is longer than the installer keeps\n";
            ok = false;
        }
    if (files.size() > kMaxFiles || dirs.size() > kMaxDirs) {
        std::cerr << "make_media: more files or folders than the installer keeps\n";
        ok = false;
    }
    ok = writeText(media / "INSTALL.INF", infText(dirs, files, bytes)) && ok;
    ok = writeText(media / "Agree.txt", kAgreement) && ok;
    return ok ? 0 : 1;
}
