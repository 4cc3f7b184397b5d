// Byte-pair compressor of the string-table file.
//
//   qebcompress <plain file> <compressed file>
//
// Bytes above 127 of the plain file are first written as the reader escape
// "\^" + (byte - 127), so the compressed text holds only bytes below 128 and
// every byte of 128 or above is a pair code. Then the most frequent pair of
// neighbouring symbols is replaced by a new code, up to 127 times. Pairs are
// nested at most MaxDepth deep, so the reader never has more than
// MaxDepth + 1 bytes pending (its limit is 16).
//
// Output: one byte 128 + number of pairs, the pair table (two bytes a pair),
// the coded text. Builds with any host C++17 compiler; no other sources.
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

enum { MaxPairs = 127, MaxDepth = 12, MinCount = 3 };

bool ReadAll(const char *path, std::vector<unsigned char> &data)
{
    FILE *f = std::fopen(path, "rb");
    if (!f) return false;
    unsigned char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) data.insert(data.end(), buffer, buffer + n);
    bool ok = !std::ferror(f);
    std::fclose(f);
    return ok;
}

// High bytes become reader escapes. A byte above 127 directly after a
// backslash (or after "\^") would read differently once escaped: refused.
bool EscapeHighBytes(const std::vector<unsigned char> &in, std::vector<unsigned char> &out,
                     const char *path)
{
    for (size_t i = 0; i < in.size(); ++i) {
        unsigned char c = in[i];
        if (c < 128) {
            out.push_back(c);
            continue;
        }
        bool afterBackslash = i > 0 && in[i - 1] == '\\';
        bool afterEscape = i > 1 && in[i - 1] == '^' && in[i - 2] == '\\';
        if (c == 255 || afterBackslash || afterEscape) {
            std::fprintf(stderr, "%s: byte 0x%02X at offset %zu cannot be escaped\n", path, c, i);
            return false;
        }
        out.push_back('\\');
        out.push_back('^');
        out.push_back(static_cast<unsigned char>(c - 127));
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: qebcompress <plain file> <compressed file>\n");
        return 2;
    }
    std::vector<unsigned char> plain, text;
    if (!ReadAll(argv[1], plain)) {
        std::fprintf(stderr, "%s: cannot read\n", argv[1]);
        return 1;
    }
    if (!EscapeHighBytes(plain, text, argv[1])) return 1;

    // Symbols: 0..127 bytes, 128 + k pair k. depth[s] = nesting depth.
    std::vector<int> symbols(text.begin(), text.end());
    std::vector<unsigned char> pairs;
    int depth[256] = {0};
    static unsigned counts[256][256];
    for (int k = 0; k < MaxPairs; ++k) {
        std::memset(counts, 0, sizeof counts);
        for (size_t i = 0; i + 1 < symbols.size(); ++i) {
            int a = symbols[i], b = symbols[i + 1];
            ++counts[a][b];
            // A run "aaa" holds only one replaceable "aa".
            if (a == b && i + 2 < symbols.size() && symbols[i + 2] == a) ++i;
        }
        unsigned best = 0;
        int bestA = -1, bestB = -1;
        for (int a = 0; a < 128 + k; ++a)
            for (int b = 0; b < 128 + k; ++b) {
                int d = (depth[a] > depth[b] ? depth[a] : depth[b]) + 1;
                if (counts[a][b] > best && d <= MaxDepth) {
                    best = counts[a][b];
                    bestA = a;
                    bestB = b;
                }
            }
        if (best < MinCount) break;
        int code = 128 + k;
        depth[code] = (depth[bestA] > depth[bestB] ? depth[bestA] : depth[bestB]) + 1;
        pairs.push_back(static_cast<unsigned char>(bestA));
        pairs.push_back(static_cast<unsigned char>(bestB));
        std::vector<int> next;
        next.reserve(symbols.size());
        for (size_t i = 0; i < symbols.size(); ++i) {
            if (i + 1 < symbols.size() && symbols[i] == bestA && symbols[i + 1] == bestB) {
                next.push_back(code);
                ++i;
            } else {
                next.push_back(symbols[i]);
            }
        }
        symbols.swap(next);
    }

    FILE *out = std::fopen(argv[2], "wb");
    if (!out) {
        std::fprintf(stderr, "%s: cannot write\n", argv[2]);
        return 1;
    }
    std::fputc(128 + static_cast<int>(pairs.size() / 2), out);
    std::fwrite(pairs.data(), 1, pairs.size(), out);
    for (int s : symbols) std::fputc(s, out);
    bool ok = std::fclose(out) == 0;
    std::printf("qebcompress: %zu bytes -> %zu bytes, %zu pairs\n", plain.size(),
                1 + pairs.size() + symbols.size(), pairs.size() / 2);
    return ok ? 0 : 1;
}
