// Shared pieces of the list tests: a scratch list file and the names of a file-name list.
#pragma once
#include "base/CFNList.h"
#include <cstdio>
#include <string>
#include <vector>

// A list file in the current directory, removed again at the end of the test.
class ListFile {
public:
    ListFile(const std::string &name, const std::string &content) : m_name(name)
    {
        FILE *f = std::fopen(name.c_str(), "wb");
        if (f) {
            std::fwrite(content.data(), 1, content.size(), f);
            std::fclose(f);
        }
    }
    ~ListFile() { std::remove(m_name.c_str()); }
    const char *Name() const { return m_name.c_str(); }

private:
    std::string m_name;
};

inline std::vector<std::string> Names(const CFNList &list)
{
    std::vector<std::string> names;
    for (ListNode *n = list.GetHeadNode(); n; n = n->next)
        names.push_back(static_cast<CFname *>(n->element)->name);
    return names;
}
