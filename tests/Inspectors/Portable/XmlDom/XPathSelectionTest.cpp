// Selecting with XPath: namespace declarations, namespace nodes, failures.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Inspectors/Portable/XmlDom/DocumentLoading.h"
#include "Inspectors/Portable/XmlDom/DomMapping.h"
#include "Inspectors/Portable/XmlDom/XPathSelection.h"
#include "registry/InspectorContext.h"
#include "registry/StackAllocator.h"

namespace guard {

namespace {

class XPathSelection : public ::testing::Test {
protected:
    // The names of what `expression` selects from the document, or the failure.
    std::string select(std::string_view document, std::string_view expression, std::string_view namespaces = {})
    {
        XmlDomNode root = loadXmlDocument(String(document.data(), std::uint32_t(document.size()))).self;
        try {
            XmlDom::selectByXPath(root, expression, namespaces, selected_);
        } catch (const XmlDomSelectionError& e) {
            return std::string("failed: ") + e.what();
        }
        std::string names;
        for (const XmlDomNode& node : selected_)
            names += std::string(names.empty() ? "" : " ") + std::string(XmlDom::nodeName(node).view());
        return names;
    }

    std::vector<XmlDomNode> selected_;
    InlineStackAllocator<4096> allocator_;
    InstalledEvaluation installed_{nullptr, &allocator_};
};

TEST_F(XPathSelection, NodesComeInDocumentOrder)
{
    EXPECT_EQ(select("<a><b/><c><b/></c><d x='1'/></a>", "//d | //b | //@x"), "b b d x");
    EXPECT_EQ(select("<a><b/></a>", "/a/b[0]"), "");
    EXPECT_EQ(select("<a/>", "/"), "#document");
}

TEST_F(XPathSelection, PrefixesComeFromTheDeclarations)
{
    const char* document = "<a xmlns='u' xmlns:p='v'><b/><p:c/></a>";
    EXPECT_EQ(select(document, "//x:b | //y:c", "xmlns:x='u' xmlns:y=\"v\""), "b p:c");
    EXPECT_EQ(select(document, "//x:b", "  xmlns:x='u'\t"), "b");
    EXPECT_EQ(select(document, "//b"), "");
    EXPECT_EQ(select(document, "//x:b"),
              "failed: The XPath expression could not be evaluated: Undefined namespace prefix");
    // The declarations of one selection do not stay for the next.
    EXPECT_EQ(select(document, "//x:b", "xmlns:x='u'"), "b");
    EXPECT_EQ(select(document, "//x:b"),
              "failed: The XPath expression could not be evaluated: Undefined namespace prefix");
    for (const char* malformed : {"xmlns='u'", "xmlns:x=u", "xmlns:x='u", "xmlns:x='u'xmlns:y='v'", "x='u'",
                                  "xmlns:='u'", "xmlns:1x='u'", "xmlns:x"})
        EXPECT_EQ(select(document, "/", malformed),
                  std::string("failed: The namespace declarations could not be read: ") + malformed);
}

TEST_F(XPathSelection, NamespaceNodesAreTheirDeclarations)
{
    EXPECT_EQ(select("<a xmlns:p='v'><b xmlns:q='w'/></a>", "/a/b/namespace::*[name() != 'xml']"), "xmlns:p xmlns:q");
    EXPECT_EQ(select("<a xmlns:p='v'/>", "/a/namespace::*[name() = 'xml']"), "");
}

TEST_F(XPathSelection, FailuresSayWhy)
{
    EXPECT_EQ(select("<a/>", "//"), "failed: The XPath expression could not be read: Invalid expression");
    EXPECT_EQ(select("<a/>", "1 + 1"), "failed: The XPath expression does not select nodes.");
    EXPECT_EQ(select("<a/>", std::string_view("/a\0", 3)), "failed: The XPath expression contains a NUL byte.");
    // A failed expression is not kept as the compiled one.
    EXPECT_EQ(select("<a/>", "/a"), "a");
}

} // namespace

} // namespace guard
