#pragma once
// What a test can tell of a PDF file without a PDF reader: whether it is one, and how many
// page objects it holds.

#include <cctype>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

namespace quill_test {

inline std::string readWholeFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline bool isPdf(const std::string& bytes) { return bytes.starts_with("%PDF"); }

// Objects of type /Page ("/Type /Pages", the page tree, is not one).
inline int pdfPageCount(const std::string& bytes)
{
    constexpr std::string_view kPage = "/Type /Page";
    int pages = 0;
    for (size_t at = bytes.find(kPage); at != std::string::npos; at = bytes.find(kPage, at + 1)) {
        const size_t next = at + kPage.size();
        const bool name = next < bytes.size() && (std::isalnum(static_cast<unsigned char>(bytes[next])) != 0);
        pages += name ? 0 : 1;
    }
    return pages;
}

}  // namespace quill_test
