#pragma once

#include <cstdint>

// How many records the buffer for one enumeration gets: bytesNeeded / recordSize
// + 1, rounded to the nearest whole number with halves going to the even
// neighbour. Throws std::overflow_error when the count or its byte size does
// not fit a 32-bit signed integer.
int32_t RecordCount(int32_t bytesNeeded, int32_t recordSize);

// The byte size of count records; throws std::overflow_error past 32 bits.
int32_t BufferBytes(int32_t count, int32_t recordSize);
