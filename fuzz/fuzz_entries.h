#pragma once

#include <cstddef>
#include <cstdint>

// One input through the document reader. The first byte chooses the form:
// 0 the rest is a payload in an unprotected file, 1 the same enciphered and
// opened with password 1, 2 opened with password 2, 3 the rest is a whole
// file image. The checksum is always recomputed so the input reaches the
// payload. A document that loads must write, load and write again to the
// same bytes. Aborts on a broken invariant; returns the status.
int FuzzDocumentInput(const uint8_t* data, std::size_t size);

// One input as the body of an older-format file.
int FuzzOlderInput(const uint8_t* data, std::size_t size);
