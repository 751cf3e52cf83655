// Writes the fuzz targets' seed corpora, one folder each, from the sample archive and the shipped
// texts. Usage: make_fuzz_seeds SAMPLE_ARCHIVE TEXTS_DIR OUT_DIR
#include "cli/level_json.h"
#include "fuzz_tile_names.h"
#include "level/archive.h"
#include "level/archive_builder.h"

#include <QJsonDocument>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using qv2::Bytes;

namespace {

Bytes ReadWhole(const fs::path &path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path.string());
    return Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void WriteSeed(const fs::path &folder, const std::string &name, const Bytes &bytes) {
    fs::create_directories(folder);
    std::ofstream out(folder / name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char *>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + (folder / name).string());
}

void WriteTextSeed(const fs::path &folder, const std::string &name, const std::string &text) {
    WriteSeed(folder, name, Bytes(text.begin(), text.end()));
}

// The designed levels of the normal set, and small archives around some of them: other types
// first, a short level, a duplicate id, a bad checksum.
void WriteLevelSeeds(const Bytes &sample, const fs::path &out) {
    const qv2::LevelTable table = qv2::ReadLevelTable(sample);
    std::vector<Bytes> levels;
    for (const qv2::ResourceEntry &entry : table.entries) {
        qv2::LevelStore level;
        if (entry.id < 2014 &&
            qv2::ReadLevelResource(sample, entry, level) == qv2::ReadStatus::ChecksumGood)
            levels.push_back(level.bytes());
    }
    if (levels.size() < 3)
        throw std::runtime_error("the sample archive holds too few levels");
    for (std::size_t i = 0; i < levels.size(); ++i)
        WriteSeed(out / "level", "sample" + std::to_string(i), levels[i]);

    // Dumps as JSON, one with bytes beyond the layout, and texts that must be refused.
    for (std::size_t i = 0; i < 2; ++i) {
        Bytes level = levels[i];
        level.resize(level.size() + i * 3, 0xE0);
        const QByteArray json =
            QJsonDocument(qv2::LevelToJson(qv2::LevelStore(level), kFuzzTileNames))
                .toJson(QJsonDocument::Compact);
        WriteSeed(out / "json", "dump" + std::to_string(i), Bytes(json.begin(), json.end()));
    }
    WriteTextSeed(out / "json", "twice", "{\"type\": 1, \"typ\\u0065\": 2}");
    WriteTextSeed(out / "json", "list", "[{\"rooms\": []}]");

    WriteSeed(out / "archive", "sample", sample);
    qv2::ArchiveBuilder small;
    small.addType(0x50494354);
    small.addResource(0, 7, Bytes(9, 0x11));
    small.addLevel(2000, levels[0]);
    small.addLevel(2001, Bytes(levels[1].begin(), levels[1].begin() + 64));
    small.addLevel(2001, Bytes(32, 0x22), qv2::Checksum::Bad);
    WriteSeed(out / "archive", "small", small.build());
    qv2::ArchiveBuilder shortOnly;
    shortOnly.addLevel(2020, Bytes(levels[2].begin(), levels[2].begin() + 16));
    WriteSeed(out / "archive", "short", shortOnly.build());
}

void WriteTextSeeds(const fs::path &texts, const fs::path &out) {
    for (const fs::directory_entry &file : fs::directory_iterator(texts)) {
        const std::string name = file.path().filename().string();
        if (file.path().extension() == ".ini")
            WriteSeed(out / "ini", name, ReadWhole(file.path()));
        if (name == "english.ini" || name == "magyar.ini")
            WriteSeed(out / "language", name, ReadWhole(file.path()));
    }
    // Formats that a hostile language file might hold: giant fields, conversions of every kind.
    WriteTextSeed(out / "language", "hostile",
                  "[texts]\nbetween=%999999999d %d\nerr=%s %*d %2147483648d\ninvalid=%n%p%%%\n"
                  "status=%1$d %2$.1000d\nnopicture=%-1000s|\n");
    WriteSeed(out / "script", "shipped", ReadWhole(texts / "errors.txt"));
    const char *const scripts[] = {
        "mall ;.", ".", "t14 ;.", "nt0 ;.", "k3 ;.", "mside r t14 ;.", "l r u d t0 ;\r\n\tnt0 ;.",
        "x"};
    for (std::size_t i = 0; i < std::size(scripts); ++i)
        WriteTextSeed(out / "script", "made" + std::to_string(i), scripts[i]);
    // The settings: the first byte picks what the settings path is (a file, a link, a FIFO...).
    const std::string settings = "[General]\nlanguage=english.ini\nzoom=2\n"
                                 "[recent]\n1\\path=a.dat\n1\\id=2000\nsize=1\n";
    for (char kind = 0; kind < 8; ++kind)
        WriteTextSeed(out / "settings", "kind" + std::to_string(kind), kind + settings);
    WriteTextSeed(out / "settings", "damaged",
                  std::string(1, '\0') + "[recent]\nsize=2147483647\n");
    const char *const numbers[] = {"0",          "255",         "256",        "-1",  "+7",
                                   "$1F",        "0x1F",        "x1f",        " 12", "12 ",
                                   "2147483647", "-2147483648", "2147483648", ""};
    for (std::size_t i = 0; i < std::size(numbers); ++i)
        WriteTextSeed(out / "number", "typed" + std::to_string(i), numbers[i]);
}

} // namespace

int main(int argc, char **argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: make_fuzz_seeds SAMPLE_ARCHIVE TEXTS_DIR OUT_DIR\n");
        return 2;
    }
    try {
        const fs::path out = argv[3];
        fs::remove_all(out);
        WriteLevelSeeds(ReadWhole(argv[1]), out);
        WriteTextSeeds(argv[2], out);
    } catch (const std::exception &e) {
        std::fprintf(stderr, "make_fuzz_seeds: %s\n", e.what());
        return 1;
    }
    return 0;
}
