// The folders stand in layers: platform/ and sizing/ (which never include each
// other) < shell/ < curves/ < setup/ < app/. A folder includes only from its
// own layer's folder or from below; this reads every #include "..." line.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <algorithm>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const std::map<std::string, int> kLayer = {
    {"platform", 0}, {"sizing", 0}, {"shell", 1}, {"curves", 2}, {"setup", 3}, {"app", 4}};

// The product folder a path inside root lies in; empty outside them.
std::string folderOf(const fs::path& root, const fs::path& path)
{
    const fs::path relative = fs::weakly_canonical(path).lexically_relative(fs::weakly_canonical(root));
    if (relative.empty() || *relative.begin() == "..")
        return {};
    const std::string first = relative.begin()->string();
    return kLayer.count(first) ? first : std::string();
}

// "file: #include "x"" for every include that reaches a folder above the file's own.
std::vector<std::string> violations(const fs::path& root)
{
    static const std::regex include(R"re(^\s*#\s*include\s*"([^"]+)")re");
    std::vector<std::string> found;
    for (const auto& [own, layer] : kLayer) {
        if (!fs::exists(root / own))
            continue;
        for (const auto& entry : fs::recursive_directory_iterator(root / own)) {
            const std::string ext = entry.path().extension().string();
            if (!entry.is_regular_file() || (ext != ".h" && ext != ".cpp"))
                continue;
            std::ifstream in(entry.path());
            std::string line;
            while (std::getline(in, line)) {
                std::smatch match;
                if (!std::regex_search(line, match, include))
                    continue;
                // A path beside the file is resolved there, as the compiler does first.
                const fs::path beside = entry.path().parent_path() / match[1].str();
                const std::string target = fs::exists(beside) ? folderOf(root, beside)
                                                              : folderOf(root, root / match[1].str());
                if (target.empty() || target == own)
                    continue;
                if (kLayer.at(target) >= layer)
                    found.push_back(entry.path().lexically_relative(root).string() + ": " + match[0].str());
            }
        }
    }
    return found;
}

void write(const fs::path& path, const std::string& text)
{
    fs::create_directories(path.parent_path());
    std::ofstream(path) << text;
}

} // namespace

TEST(Layering, ProductFoldersIncludeOnlyFromBelow)
{
    const std::vector<std::string> found = violations(QUENRO_SOURCE_DIR);
    std::string list;
    for (const std::string& f : found)
        list += f + "\n";
    EXPECT_TRUE(found.empty()) << list;
}

TEST(Layering, EveryWayUpIsFound)
{
    const fs::path root = fs::temp_directory_path() / ("quenro-layering-" + std::to_string(::getpid()));
    fs::remove_all(root);
    for (const char* header : {"platform/P.h", "sizing/S.h", "shell/G.h", "curves/C.h", "setup/drive/F.h", "app/A.h"})
        write(root / header, "#pragma once\n");
    struct Case {
        const char* file;
        const char* include;
        bool wrong;
    };
    const Case cases[] = {
        {"platform/a.cpp", "shell/G.h", true},
        {"platform/b.cpp", "sizing/S.h", true},
        {"sizing/c.cpp", "platform/P.h", true},
        {"shell/d.cpp", "curves/C.h", true},
        {"curves/e.cpp", "setup/drive/F.h", true},
        {"setup/drive/f.cpp", "app/A.h", true},
        {"shell/g.cpp", "../setup/drive/F.h", true},
        {"setup/drive/h.cpp", "F.h", false},
        {"setup/drive/i.cpp", "curves/C.h", false},
        {"app/j.cpp", "setup/drive/F.h", false},
        {"shell/k.cpp", "platform/P.h", false},
        {"curves/l.cpp", "sizing/S.h", false},
    };
    std::vector<std::string> expected;
    for (const Case& c : cases) {
        const std::string line = std::string("#include \"") + c.include + "\"";
        write(root / c.file, "// " + std::string(c.file) + "\n  " + line + "  // why\n");
        if (c.wrong)
            expected.push_back(std::string(c.file) + ": " + "  " + line);
    }
    std::vector<std::string> found = violations(root);
    std::sort(found.begin(), found.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(found, expected);
    fs::remove_all(root);
}
