#pragma once

#include <cstddef>
#include <cstdint>

// The fuzz targets as plain functions: the libFuzzer executables call them for
// every generated input, and the regression tests replay stored inputs through
// the same code. Each returns 0 and ends the process when a property breaks.
namespace quindaro2::fuzz {

// DecodeName and EncodeName of every edition over arbitrary record bytes and text.
int FuzzNameCodec(const std::uint8_t* data, std::size_t size);
// DecodeField of every grid, edition and kind over an arbitrary record, and
// EncodeField with arbitrary values.
int FuzzFieldCodec(const std::uint8_t* data, std::size_t size);
// FillTeam and ExportPlayerData over arbitrary ROM bytes of any length.
int FuzzFillExport(const std::uint8_t* data, std::size_t size);
// Arbitrary edits, row moves and colours of a plausible team through the document, undone and redone.
int FuzzWriteBack(const std::uint8_t* data, std::size_t size);
// ApplyPatch over arbitrary bytes, and CreatePatch then ApplyPatch of arbitrary pairs.
int FuzzPatch(const std::uint8_t* data, std::size_t size);

} // namespace quindaro2::fuzz
