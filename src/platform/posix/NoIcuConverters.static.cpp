// Linked into the static executable only, in place of the ICU libraries.
//
// libxml2's static archive refers to seven functions of ICU's converter
// interface, which it tries for an encoding that it knows of no other way to
// read. Linking ICU for them brings its data (some 30 MB) into the program.
// Here the converter cannot be opened: libxml2 then reports the encoding as
// unsupported, and a document declared in it fails to load. UTF-8, UTF-16,
// ISO-8859-1 and ASCII are built into libxml2 and the C library's iconv
// serves the others it knows. The rest are never called, since no converter
// is ever opened. The names carry the version suffix of the ICU that
// libxml2 was built against: if that changes, linking fails rather than
// anything misbehaving at run time.
#include <cstdlib>

namespace guard {

extern "C" {

// ICU's U_MISSING_RESOURCE_ERROR: a failure, so libxml2 gives up on ICU.
void* ucnv_open_72(const char*, int* status)
{
    if (status && *status <= 0)
        *status = 2;
    return nullptr;
}

void ucnv_close_72(void*) { }
void ucnv_convertEx_72() { std::abort(); }
void ucnv_setFromUCallBack_72() { std::abort(); }
void ucnv_setToUCallBack_72() { std::abort(); }
void UCNV_FROM_U_CALLBACK_STOP_72() { std::abort(); }
void UCNV_TO_U_CALLBACK_STOP_72() { std::abort(); }

} // extern "C"

} // namespace guard
