// The object model over libxml2's tree, checked on documents loaded the way
// "xml document" loads them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Inspectors/Portable/XmlDom/DocumentLoading.h"
#include "Inspectors/Portable/XmlDom/DomMapping.h"
#include "registry/InspectorContext.h"
#include "registry/StackAllocator.h"

namespace guard {

namespace {

using namespace XmlDom;

class DomMapping : public ::testing::Test {
protected:
    XmlDomNode load(std::string_view text)
    {
        return loadXmlDocument(String(text.data(), std::uint32_t(text.size()))).self;
    }
    static std::string name(const std::optional<XmlDomNode>& node)
    {
        return node ? std::string(nodeName(*node).view()) : std::string("(none)");
    }
    static std::vector<std::string> attributeNames(const XmlDomNode& element)
    {
        std::vector<std::string> names;
        AttributeCursor cursor;
        for (auto attribute = cursor.first(element); attribute; attribute = cursor.next())
            names.emplace_back(nodeName(*attribute).view());
        return names;
    }
    static std::string loadFailure(std::string_view text)
    {
        try {
            loadXmlDocument(String(text.data(), std::uint32_t(text.size())));
        } catch (const XMLDomDocumentError& e) {
            return e.what();
        }
        return "loaded";
    }

    InlineStackAllocator<4096> allocator_;
    InstalledEvaluation installed_{nullptr, &allocator_};
};

TEST_F(DomMapping, NamesAndTypesOfEveryKindOfNode)
{
    XmlDomNode document = load("<!DOCTYPE r><!--c--><?target data?><r xmlns:p='u' p:x='1'>t<![CDATA[s]]><p:e/></r>");
    EXPECT_EQ(nodeName(document).view(), "#document");
    EXPECT_EQ(nodeType(document), 9);
    struct Expected {
        const char* name;
        std::int64_t type;
    };
    std::vector<Expected> top{{"r", 10}, {"#comment", 8}, {"target", 7}, {"r", 1}};
    auto child = firstChild(document);
    for (const Expected& expected : top) {
        ASSERT_TRUE(child);
        EXPECT_EQ(nodeName(*child).view(), expected.name);
        EXPECT_EQ(nodeType(*child), expected.type);
        child = nextSibling(*child);
    }
    EXPECT_FALSE(child);
    XmlDomNode root = *lastChild(document);
    std::vector<Expected> inside{{"#text", 3}, {"#cdata-section", 4}, {"p:e", 1}};
    child = firstChild(root);
    for (const Expected& expected : inside) {
        ASSERT_TRUE(child);
        EXPECT_EQ(nodeName(*child).view(), expected.name);
        EXPECT_EQ(nodeType(*child), expected.type);
        child = nextSibling(*child);
    }
    EXPECT_EQ(attributeNames(root), (std::vector<std::string>{"xmlns:p", "p:x"}));
    EXPECT_EQ(nodeType(*attributeAt(root, 0)), 2);
    EXPECT_EQ(nodeType(*attributeAt(root, 1)), 2);
}

TEST_F(DomMapping, ValuesExistOnlyWhereTheModelHasThem)
{
    XmlDomNode document = load("<!DOCTYPE r><r a='1 &amp; 2'>t<!--c--><?pi d?><![CDATA[<x>]]></r>");
    XmlDomNode root = *childAt(document, 1);
    EXPECT_FALSE(nodeValue(document));
    EXPECT_FALSE(nodeValue(root));
    EXPECT_FALSE(nodeValue(*childAt(document, 0)));
    EXPECT_EQ(nodeValue(*attributeNamed(root, String::literal("a")))->view(), "1 & 2");
    std::vector<std::string> values;
    for (auto child = firstChild(root); child; child = nextSibling(*child))
        values.emplace_back(nodeValue(*child)->view());
    EXPECT_EQ(values, (std::vector<std::string>{"t", "c", "d", "<x>"}));
}

TEST_F(DomMapping, AnAttributeAndTheDocumentStandOutsideTheTree)
{
    XmlDomNode document = load("<r xmlns='u' a='1' b='2'><c/></r>");
    XmlDomNode root = *firstChild(document);
    EXPECT_FALSE(parent(document));
    EXPECT_FALSE(nextSibling(document));
    EXPECT_FALSE(previousSibling(document));
    EXPECT_FALSE(ownerDocument(document));
    EXPECT_EQ(name(parent(root)), "#document");
    EXPECT_TRUE(isDocument(ownerDocument(root)->self));
    for (std::int64_t i = 0; i < 3; ++i) {
        XmlDomNode attribute = *attributeAt(root, i);
        EXPECT_FALSE(parent(attribute)) << i;
        EXPECT_FALSE(nextSibling(attribute)) << i;
        EXPECT_FALSE(previousSibling(attribute)) << i;
        EXPECT_FALSE(firstChild(attribute)) << i;
        EXPECT_FALSE(lastChild(attribute)) << i;
        EXPECT_EQ(ownerDocument(attribute)->document, ownerDocument(root)->document) << i;
    }
    EXPECT_FALSE(attributeAt(root, 3));
    EXPECT_FALSE(attributeAt(root, -1));
    EXPECT_FALSE(attributeAt(*firstChild(root), 0));
}

TEST_F(DomMapping, ChildrenAndAttributesByIndexAndName)
{
    XmlDomNode root = *firstChild(load("<r z='1' xmlns:q='v' q:y='2' xmlns='w'><a/><b/><c/></r>"));
    EXPECT_EQ(name(childAt(root, 0)), "a");
    EXPECT_EQ(name(childAt(root, 2)), "c");
    EXPECT_FALSE(childAt(root, 3));
    EXPECT_FALSE(childAt(root, -1));
    EXPECT_FALSE(childAt(*childAt(root, 0), 0));
    // Declarations first, each group in the order written.
    EXPECT_EQ(attributeNames(root), (std::vector<std::string>{"xmlns:q", "xmlns", "z", "q:y"}));
    EXPECT_EQ(nodeValue(*attributeNamed(root, String::literal("xmlns")))->view(), "w");
    EXPECT_EQ(nodeValue(*attributeNamed(root, String::literal("xmlns:q")))->view(), "v");
    EXPECT_EQ(nodeValue(*attributeNamed(root, String::literal("q:y")))->view(), "2");
    EXPECT_FALSE(attributeNamed(root, String::literal("y")));
    EXPECT_FALSE(attributeNamed(root, String::literal("q:")));
    EXPECT_FALSE(attributeNamed(root, String::literal("xmlns:")));
    EXPECT_FALSE(attributeNamed(root, String::literal("Z")));
}

TEST_F(DomMapping, TextAndXml)
{
    XmlDomNode document = load("<r a='&quot;x&quot;'>1<b>2<!--no-->3</b><![CDATA[4<]]></r>");
    XmlDomNode root = *firstChild(document);
    EXPECT_EQ(text(document).view(), "1234<");
    EXPECT_EQ(text(root).view(), "1234<");
    EXPECT_EQ(text(*attributeAt(root, 0)).view(), "\"x\"");
    EXPECT_EQ(xml(*attributeAt(root, 0)).view(), "a=\"&quot;x&quot;\"");
    EXPECT_EQ(xml(*childAt(root, 1)).view(), "<b>2<!--no-->3</b>");
    EXPECT_EQ(xml(document).view(), "<r a=\"&quot;x&quot;\">1<b>2<!--no-->3</b><![CDATA[4<]]></r>");
    XmlDomNode declared = *firstChild(load("<r xmlns:p='a&amp;b'/>"));
    EXPECT_EQ(xml(*attributeAt(declared, 0)).view(), "xmlns:p=\"a&amp;b\"");
}

TEST_F(DomMapping, BlankTextIsDroppedUnlessPreserved)
{
    XmlDomNode root = *firstChild(load("<r>\r\n <a> </a>\t<b xml:space='preserve'> <c> </c></b> x </r>"));
    std::vector<std::string> names;
    for (auto child = firstChild(root); child; child = nextSibling(*child))
        names.emplace_back(nodeName(*child).view());
    EXPECT_EQ(names, (std::vector<std::string>{"a", "b", "#text"}));
    EXPECT_FALSE(firstChild(*childAt(root, 0)));
    XmlDomNode preserved = *childAt(root, 1);
    EXPECT_EQ(name(firstChild(preserved)), "#text");
    EXPECT_EQ(name(firstChild(*childAt(preserved, 1))), "#text");
}

TEST_F(DomMapping, BlankTextFromReferencesAndFarIntoALargeDocumentIsDroppedToo)
{
    // White space that reaches the tree through a character reference, an
    // entity (the first time it is parsed and when its text is copied for
    // later references) or after a run of other text.
    XmlDomNode root = *lastChild(
        load("<!DOCTYPE r [<!ENTITY s ' '>]><r v='&s;'>&#32;<a/>&s;<b/>&s;<c/>&#x9;&#10;<d/>x<e/> &amp; </r>"));
    std::vector<std::string> names;
    for (auto child = firstChild(root); child; child = nextSibling(*child))
        names.emplace_back(nodeName(*child).view());
    EXPECT_EQ(names, (std::vector<std::string>{"a", "b", "c", "d", "#text", "e", "#text"}));
    EXPECT_EQ(text(root).view(), "x & ");

    // A document longer than the parser reads at once, with one blank text
    // node near its end and none before.
    std::string large = "<r>";
    for (int i = 0; i < 20000; ++i)
        large += "<b i='" + std::to_string(i) + "'/>";
    large += "<c/>\n<d/></r>";
    XmlDomNode big = *firstChild(load(large));
    XmlDomNode last = *lastChild(big);
    EXPECT_EQ(name(last), "d");
    EXPECT_EQ(name(previousSibling(last)), "c");
}

TEST_F(DomMapping, ShortAndLongTextsReadBackWhole)
{
    // Short texts are kept inside their nodes; lengths around that limit,
    // texts made of several runs and texts next to dropped blanks read back
    // whole.
    XmlDomNode root = *firstChild(load("<r a='' b='1234567' c='123456789012345' d='1234567890123456' "
                                       "e='12345678901234567890'><x>1234567</x><x>123456789012345</x>"
                                       "<x>1234567890123456</x><x>a&amp;b&#x43;d</x><x>a<![CDATA[b]]>c</x>"
                                       "<x> </x></r>"));
    std::vector<std::string> values;
    for (std::int64_t i = 0; i < 5; ++i)
        values.emplace_back(nodeValue(*attributeAt(root, i))->view());
    EXPECT_EQ(values,
              (std::vector<std::string>{"", "1234567", "123456789012345", "1234567890123456", "12345678901234567890"}));
    std::vector<std::string> texts;
    for (auto child = firstChild(root); child; child = nextSibling(*child))
        texts.emplace_back(text(*child).view());
    EXPECT_EQ(texts, (std::vector<std::string>{"1234567", "123456789012345", "1234567890123456", "a&bCd", "abc", ""}));
    EXPECT_EQ(nodeValue(*firstChild(*childAt(root, 3)))->view(), "a&bCd");
    EXPECT_EQ(xml(*childAt(root, 3)).view(), "<x>a&amp;bCd</x>");
    EXPECT_EQ(xml(*attributeAt(root, 2)).view(), "c=\"123456789012345\"");
}

TEST_F(DomMapping, LoadingFailuresCarryTheParsersReason)
{
    EXPECT_EQ(loadFailure("<a>"), "XMLDomDocumentError: Premature end of data in tag a line 1");
    EXPECT_EQ(loadFailure(""), "XMLDomDocumentError: Document is empty");
    EXPECT_EQ(loadFailure("<a/><b/>"), "XMLDomDocumentError: Extra content at the end of the document");
    EXPECT_EQ(loadFailure("<!DOCTYPE a [<!ENTITY e SYSTEM 'file:///etc/hostname'>]><a>&e;</a>"),
              "XMLDomDocumentError: The document refers to an external entity, which is not loaded.");
    EXPECT_EQ(loadFailure("\xEF\xBB\xBF<a/>"), "loaded");
    EXPECT_EQ(loadFailure(std::string_view("<a>\0</a>", 8)).rfind("XMLDomDocumentError: ", 0), 0u);
}

TEST_F(DomMapping, DocumentsAreFreedWhenTheAllocatorIsReleasedBelowThem)
{
    StackAllocatorBase::Mark before = allocator_.mark();
    std::size_t finalizers = allocator_.finalizerCount();
    for (int i = 0; i < 3; ++i)
        load("<a/>");
    EXPECT_EQ(allocator_.finalizerCount(), finalizers + 3);
    // A failed load leaves nothing behind.
    loadFailure("<a");
    EXPECT_EQ(allocator_.finalizerCount(), finalizers + 3);
    allocator_.release(before);
    EXPECT_EQ(allocator_.finalizerCount(), finalizers);
}

} // namespace

} // namespace guard
