// A UTF-8 text file written piece by piece, for reports of any length.
#pragma once

#include <cstdint>
#include <cstdio>

struct TextFile {
    std::FILE* file;
    bool whole;  // every piece so far reached the file
};

// Creates (or empties) the file; whole is false when it could not be created.
TextFile text_file_create(const wchar_t* path);

// Opens the file to append to its end; whole is false when it could not be opened.
TextFile text_file_append(const wchar_t* path);

// Appends the whole text as UTF-8.
void text_file_write(TextFile& file, const wchar_t* text);

// Appends the text to the end of an existing file and closes it; true when it went in whole.
bool text_file_append_text(const wchar_t* path, const wchar_t* text);

// Closes the file; true when it was created and written whole.
bool text_file_close(TextFile& file);
