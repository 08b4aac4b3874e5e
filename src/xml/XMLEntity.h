#pragma once
// Decoding of one character reference as the XML reader sees it.
//
// `entity` is the whole reference, "&" and ";" included. "&lt;", "&gt;",
// "&amp;" and "&quot;" (exact, case-sensitive) give their byte; "&#x"
// followed by hexadecimal digits (read up to the first byte that is not one,
// 0 when there is none) gives the single byte of that value when it is below
// 256, so "&#xZZ;" gives a zero byte. Everything else ("&apos;", decimal
// "&#65;", unknown names, values of 256 or more) is returned unchanged.
// The result views either static storage or `entity` itself.
#include <string_view>

namespace guard {

std::string_view decodeXMLEntity(std::string_view entity);

} // namespace guard
