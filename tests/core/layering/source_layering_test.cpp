// The folder layering of the sources, read from their #include lines: the
// core folders form no cycle, the windows never reach into the program's
// start-up layer, and the core includes no Qt.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

fs::path sourceRoot() { return fs::path(std::getenv("PICTRA_TEST_DATA")).parent_path().parent_path() / "src"; }

struct Include {
    std::string file;  // relative to src
    std::string target; // as written
};

std::vector<Include> includesUnder(const std::string& folder)
{
    static const std::regex line(R"(^\s*#\s*include\s*[<"]([^">]+)[">])");
    std::vector<Include> out;
    const fs::path root = sourceRoot();
    for (const auto& entry : fs::recursive_directory_iterator(root / folder)) {
        const std::string ext = entry.path().extension().string();
        if (ext != ".h" && ext != ".cpp")
            continue;
        std::ifstream in(entry.path());
        std::string text;
        std::smatch m;
        while (std::getline(in, text)) {
            if (std::regex_search(text, m, line))
                out.push_back({fs::relative(entry.path(), root).string(), m[1]});
        }
    }
    return out;
}

// "core/album/x.h" -> "core/album"; "" for a path outside the core folders.
std::string coreFolder(const std::string& path)
{
    if (path.rfind("core/", 0) != 0)
        return {};
    const auto slash = path.find('/', 5);
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

// A folder on a cycle of `edges`, or "" when there is none.
std::string folderOnCycle(const std::map<std::string, std::set<std::string>>& edges)
{
    std::map<std::string, int> state; // 1 = on the current path, 2 = done
    std::string found;
    auto visit = [&](auto&& self, const std::string& node) -> void {
        state[node] = 1;
        if (auto it = edges.find(node); it != edges.end()) {
            for (const std::string& next : it->second) {
                if (!found.empty())
                    return;
                if (state[next] == 1)
                    found = node + " -> " + next;
                else if (state[next] == 0)
                    self(self, next);
            }
        }
        state[node] = 2;
    };
    for (const auto& [node, next] : edges) {
        if (state[node] == 0)
            visit(visit, node);
    }
    return found;
}

TEST(SourceLayering, CoreFoldersFormNoCycleAndIncludeNoQt)
{
    std::map<std::string, std::set<std::string>> edges;
    for (const Include& inc : includesUnder("core")) {
        EXPECT_NE(inc.target.rfind("Q", 0), 0u) << inc.file << " includes " << inc.target;
        const std::string from = coreFolder(inc.file);
        const std::string to = coreFolder(inc.target);
        if (!to.empty() && from != to)
            edges[from].insert(to);
    }
    ASSERT_FALSE(edges.empty());
    EXPECT_EQ(folderOnCycle(edges), "");
}

TEST(SourceLayering, WindowsIncludeNothingFromTheStartUpLayer)
{
    for (const Include& inc : includesUnder("ui"))
        EXPECT_NE(inc.target.rfind("app/", 0), 0u) << inc.file << " includes " << inc.target;
}

TEST(SourceLayering, ACycleIsFound)
{
    EXPECT_EQ(folderOnCycle({{"a", {"b"}}, {"b", {"c"}}}), "");
    EXPECT_NE(folderOnCycle({{"a", {"b"}}, {"b", {"c"}}, {"c", {"a"}}}), "");
}

} // namespace
