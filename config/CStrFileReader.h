// Reads the string-table file line by line: expands the byte-pair code of a
// compressed file and applies the reader escapes.
#pragma once
#include <cstdio>

class CStrFileReader {
public:
    enum { LineLimit = 254, PendingLimit = 16 };
    // Results of ReadLine.
    enum { LineEnd = 0, LineRead = 1, LineTooLong = -1, LineCorrupt = -2 };

    CStrFileReader();
    ~CStrFileReader();
    CStrFileReader(const CStrFileReader &) = delete;
    CStrFileReader &operator=(const CStrFileReader &) = delete;

    // Opens the file (mode "rb") and reads its compression header.
    bool Open(const char *path);
    // Back to the first text byte; the header is read again.
    bool Rewind();
    void Close();
    bool IsCompressed() const { return m_pairCount > 0 || m_compressed; }

    // Reads one line into buffer (at most LineLimit characters, terminated);
    // length gets the number of characters, which may include NUL bytes.
    int ReadLine(char *buffer, unsigned size, unsigned *length);

private:
    bool ReadHeader();
    // Next byte of the expanded text, or -1 at the end; -2 for a corrupt file.
    int NextByte();
    // Next byte of the file itself, or -1 at its end (read in blocks).
    int NextFileByte();

    enum { BlockSize = 4096 };
    unsigned char m_block[BlockSize];
    unsigned m_blockPos;
    unsigned m_blockLength;
    unsigned char m_pending[PendingLimit];
    unsigned char m_pairs[256];
    FILE *m_file;
    unsigned short m_pendingCount;
    unsigned m_pairCount;
    bool m_compressed;
    bool m_ended;
    bool m_corrupt;
};
