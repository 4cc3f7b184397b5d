#include "config/CStrFileReader.h"
#include <cstring>

CStrFileReader::CStrFileReader()
    : m_blockPos(0), m_blockLength(0), m_file(nullptr), m_pendingCount(0), m_pairCount(0), m_compressed(false), m_ended(false),
      m_corrupt(false)
{
    std::memset(m_pending, 0, sizeof m_pending);
    std::memset(m_pairs, 0, sizeof m_pairs);
}

CStrFileReader::~CStrFileReader() { Close(); }

bool CStrFileReader::Open(const char *path)
{
    Close();
    if (!path || !*path) return false;
    m_file = std::fopen(path, "rb");
    if (!m_file) return false;
    ReadHeader();
    return true;
}

bool CStrFileReader::Rewind()
{
    if (!m_file) return false;
    std::rewind(m_file);
    m_blockPos = m_blockLength = 0;
    ReadHeader();
    return true;
}

void CStrFileReader::Close()
{
    if (m_file) std::fclose(m_file);
    m_file = nullptr;
    m_blockPos = m_blockLength = 0;
    m_pendingCount = 0;
    m_pairCount = 0;
    m_compressed = false;
    m_ended = true;
    m_corrupt = false;
}

// First byte below 128: plain text from the first byte on. Otherwise the
// first byte - 128 pairs follow, then the text. A file that ends inside the
// pair table is corrupt.
bool CStrFileReader::ReadHeader()
{
    m_pendingCount = 0;
    m_pairCount = 0;
    m_compressed = false;
    m_ended = false;
    m_corrupt = false;
    if (m_blockLength == 0) {
        m_blockLength = static_cast<unsigned>(std::fread(m_block, 1, BlockSize, m_file));
        m_blockPos = 0;
    }
    if (m_blockLength == 0) {
        m_ended = true;
        return true;
    }
    if (m_block[0] < 128) return true; // plain: the first byte is text
    m_compressed = true;
    m_pairCount = static_cast<unsigned>(m_block[0] - 128);
    m_blockPos = 1;
    for (unsigned i = 0; i < 2 * m_pairCount; ++i) {
        int c = NextFileByte();
        if (c < 0) {
            m_corrupt = true;
            m_ended = true;
            return false;
        }
        m_pairs[i] = static_cast<unsigned char>(c);
    }
    // A pair may only use bytes and earlier pairs. A pair that refers to
    // itself or to a later one could expand without end.
    for (unsigned k = 0; k < m_pairCount; ++k) {
        if ((m_pairs[2 * k] >= 128 && m_pairs[2 * k] - 128u >= k) ||
            (m_pairs[2 * k + 1] >= 128 && m_pairs[2 * k + 1] - 128u >= k)) {
            m_corrupt = true;
            m_ended = true;
            return false;
        }
    }
    return true;
}

int CStrFileReader::NextFileByte()
{
    if (m_blockPos >= m_blockLength) {
        m_blockLength = static_cast<unsigned>(std::fread(m_block, 1, BlockSize, m_file));
        m_blockPos = 0;
        if (m_blockLength == 0) return -1;
    }
    return m_block[m_blockPos++];
}

int CStrFileReader::NextByte()
{
    if (m_corrupt) return -2;
    for (;;) {
        int c;
        if (m_pendingCount > 0) {
            c = m_pending[--m_pendingCount];
        } else {
            if (m_ended) return -1;
            c = NextFileByte();
            if (c < 0) {
                m_ended = true;
                return -1;
            }
        }
        if (!m_compressed || c < 128) return c;
        unsigned code = static_cast<unsigned>(c - 128);
        if (code >= m_pairCount) {
            m_corrupt = true;
            return -2;
        }
        // With 15 or more bytes pending the code is not expanded: the reading ends.
        if (m_pendingCount >= PendingLimit - 1) {
            m_ended = true;
            m_pendingCount = 0;
            return -1;
        }
        // Stack: the first byte of the pair comes out next.
        m_pending[m_pendingCount++] = m_pairs[2 * code + 1];
        m_pending[m_pendingCount++] = m_pairs[2 * code];
    }
}

int CStrFileReader::ReadLine(char *buffer, unsigned size, unsigned *length)
{
    unsigned n = 0;
    unsigned limit = size > 0 ? size - 1 : 0;
    if (limit > LineLimit) limit = LineLimit;
    bool yielded = false;
    bool pendingCR = false;
    int result = LineRead;
    auto put = [&](int ch) {
        if (result != LineRead) return;
        if (n >= limit) {
            result = LineTooLong;
            return;
        }
        buffer[n++] = static_cast<char>(ch);
    };
    // An overlong line ends the reading at once: the rest is never read.
    if (!m_file) {
        if (size) buffer[0] = '\0';
        if (length) *length = 0;
        return LineEnd;
    }
    while (result == LineRead) {
        int c = NextByte();
        if (c == -2) {
            result = LineCorrupt;
            break;
        }
        if (c == -1) {
            if (pendingCR) put('\r');
            break;
        }
        if (c == '\n') break;
        if (pendingCR) {
            put('\r');
            pendingCR = false;
        }
        yielded = true;
        if (c == '\r') {
            pendingCR = true;
            continue;
        }
        if (c != '\\') {
            put(c);
            continue;
        }
        int next = NextByte();
        if (next == -2) {
            result = LineCorrupt;
            break;
        }
        if (next == -1) {
            put('\\');
            break;
        }
        if (next == '\n') {
            // A backslash before the line feed is dropped; alone it yields nothing.
            yielded = n > 0;
            break;
        }
        if (next != '^') {
            put('\\');
            if (next == '\r') pendingCR = true;
            else put(next);
            continue;
        }
        int ch = NextByte();
        if (ch == -2) {
            result = LineCorrupt;
            break;
        }
        if (ch >= 0 && ch < 128) {
            put(ch + 127);
            continue;
        }
        put('\\');
        put('^');
        if (ch == -1) break;
        if (ch == '\n') break;
        put(ch);
    }
    // A line that yielded no character ends the reading as the end of the file does.
    if (result == LineRead && !yielded) result = LineEnd;
    if (size) buffer[n < size ? n : size - 1] = '\0';
    if (length) *length = n;
    return result;
}
