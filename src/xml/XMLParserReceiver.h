#pragma once
// Lets a byte pipeline (for instance a file reading loop) feed an XML
// parser: every received range goes to the parser's Parse(). Start() and
// Finish() do nothing, so the parser keeps its state across them; the
// parser must outlive the receiver.
#include "pipeline/DataReceiver.h"
#include "xml/SimpleXMLParserPL.h"

namespace guard {

class XMLParserReceiver : public DataReceiver {
public:
    explicit XMLParserReceiver(SimpleXMLParserPL& parser) : parser_(parser) { }

    void Start() override { }
    void Receive(const char* begin, const char* end) override { parser_.Parse(begin, end); }
    void Finish() override { }

private:
    SimpleXMLParserPL& parser_;
};

} // namespace guard
