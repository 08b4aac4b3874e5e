#include "xml/SimpleXMLParserPL.h"

#include "xml/XMLEntity.h"

namespace guard {

void SimpleXMLParserPL::Parse(const char* begin, const char* end)
{
    const char* p = begin;
    while (p != end) {
        if (state_ == Text) {
            // Plain character data is taken as one run.
            const char* run = p;
            while (p != end && *p != '<' && *p != '&')
                ++p;
            text_.append(run, p);
            if (p == end)
                break;
        }
        step(*p++);
    }
}

void SimpleXMLParserPL::step(char c)
{
    current_ = c;
    switch (state_) {
    case Text:
        if (c == '<')
            transitionTo(TagName);
        else if (c == '&')
            transitionTo(EntityInText);
        else
            text_ += c;
        break;
    case EntityInText:
        if (c == ';')
            transitionTo(Text);
        else
            entity_ += c;
        break;
    case TagName: stepTagName(c); break;
    case EndTag:
        if (c == '>')
            transitionTo(Text);
        else
            tagName_ += c;
        break;
    case BetweenAttributes:
        if (c == '>')
            transitionTo(Text);
        else if (c != ' ' && c != '?')
            transitionTo(AttributeName);
        break;
    case AttributeName:
        if (c == '=')
            state_ = BeforeValue;
        else
            *attributeName_ += c;
        break;
    case BeforeValue:
        if (c == '"' || c == '\'') {
            quote_ = c;
            state_ = AttributeValue;
        }
        break;
    case AttributeValue:
        if (c == quote_) {
            transitionTo(BetweenAttributes);
        } else if (c == '&') {
            entity_.assign(1, '&');
            state_ = EntityInValue;
        } else {
            *attributeValue_ += c;
        }
        break;
    case EntityInValue:
        entity_ += c;
        if (c == ';') {
            *attributeValue_ += decodeXMLEntity(entity_);
            state_ = AttributeValue;
        }
        break;
    case Comment:
        if (c == '-')
            ++dashes_;
        else if (c == '>' && dashes_ >= 2)
            transitionTo(Text);
        else
            dashes_ = 0;
        break;
    case CData: stepCData(c); break;
    }
}

void SimpleXMLParserPL::stepTagName(char c)
{
    switch (c) {
    case ' ':
        if (!tagName_.empty())
            transitionTo(BetweenAttributes);
        break;
    case '/': state_ = EndTag; break;
    case '>': transitionTo(Text); break;
    case '-':
        if (++dashes_ == 2) {
            state_ = Comment;
            dashes_ = 0;
        }
        break;
    default:
        tagName_ += c;
        if (std::string_view(tagName_) == std::string_view("![CDATA[")) {
            tagName_.clear();
            olderCData_ = newerCData_ = 0;
            state_ = CData;
        }
        break;
    }
}

void SimpleXMLParserPL::stepCData(char c)
{
    if (c == '>' && olderCData_ == ']' && newerCData_ == ']') {
        transitionTo(Text);
        return;
    }
    // The last two bytes are held back until they are known not to be the
    // "]]" of the closing "]]>".
    if (olderCData_ != 0)
        text_ += olderCData_;
    olderCData_ = newerCData_;
    newerCData_ = c;
}

void SimpleXMLParserPL::transitionTo(State next)
{
    Leave(next);
    state_ = next;
    Enter(next);
}

void SimpleXMLParserPL::Leave(State next)
{
    switch (state_) {
    case Text:
    case CData: flushText(); break;
    case EntityInText:
        entity_ += ';';
        handler_->Characters(decodeXMLEntity(entity_));
        break;
    case TagName:
    case BetweenAttributes:
        if (next == Text) {
            attributes_.resize(attributeCount_);
            if (tagName_.starts_with('?'))
                handler_->ProcessingInstruction(tagName_, attributes_);
            else
                handler_->StartElement(tagName_, attributes_);
        }
        break;
    case EndTag:
        if (next == Text)
            handler_->EndElement(tagName_);
        break;
    case AttributeValue:
        if (next != EntityInValue)
            ++attributeCount_;
        break;
    default: break;
    }
}

void SimpleXMLParserPL::Enter(State next)
{
    switch (next) {
    case EntityInText: entity_.assign(1, '&'); break;
    case TagName:
        dashes_ = 0;
        tagName_.clear();
        attributeCount_ = 0;
        break;
    case BetweenAttributes: {
        if (attributes_.size() <= attributeCount_)
            attributes_.emplace_back();
        XMLAttribute& attribute = attributes_[attributeCount_];
        attributeName_ = &attribute.first;
        attributeValue_ = &attribute.second;
        attributeName_->clear();
        attributeValue_->clear();
        break;
    }
    case AttributeName: *attributeName_ += current_; break;
    default: break;
    }
}

void SimpleXMLParserPL::flushText()
{
    if (text_.empty())
        return;
    handler_->Characters(text_);
    text_.clear();
}

} // namespace guard
