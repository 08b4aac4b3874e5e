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
        Step(*p++);
    }
}

void SimpleXMLParserPL::Step(char c)
{
    current_ = c;
    switch (state_) {
    case Text:
        if (c == '<')
            TransitionTo(TagName);
        else if (c == '&')
            TransitionTo(EntityInText);
        else
            text_ += c;
        break;
    case EntityInText:
        if (c == ';')
            TransitionTo(Text);
        else
            entity_ += c;
        break;
    case TagName: StepTagName(c); break;
    case EndTag:
        if (c == '>')
            TransitionTo(Text);
        else
            tagName_ += c;
        break;
    case BetweenAttributes:
        if (c == '>')
            TransitionTo(Text);
        else if (c != ' ' && c != '?')
            TransitionTo(AttributeName);
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
            TransitionTo(BetweenAttributes);
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
            *attributeValue_ += DecodeXMLEntity(entity_);
            state_ = AttributeValue;
        }
        break;
    case Comment:
        if (c == '-')
            ++dashes_;
        else if (c == '>' && dashes_ >= 2)
            TransitionTo(Text);
        else
            dashes_ = 0;
        break;
    case CData: StepCData(c); break;
    }
}

void SimpleXMLParserPL::StepTagName(char c)
{
    switch (c) {
    case ' ':
        if (!tagName_.empty())
            TransitionTo(BetweenAttributes);
        break;
    case '/': state_ = EndTag; break;
    case '>': TransitionTo(Text); break;
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

void SimpleXMLParserPL::StepCData(char c)
{
    if (c == '>' && olderCData_ == ']' && newerCData_ == ']') {
        TransitionTo(Text);
        return;
    }
    // The last two bytes are held back until they are known not to be the
    // "]]" of the closing "]]>".
    if (olderCData_ != 0)
        text_ += olderCData_;
    olderCData_ = newerCData_;
    newerCData_ = c;
}

void SimpleXMLParserPL::TransitionTo(State next)
{
    Leave(next);
    state_ = next;
    Enter(next);
}

void SimpleXMLParserPL::Leave(State next)
{
    switch (state_) {
    case Text:
    case CData: FlushText(); break;
    case EntityInText:
        entity_ += ';';
        handler_->Characters(DecodeXMLEntity(entity_));
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

void SimpleXMLParserPL::FlushText()
{
    if (text_.empty())
        return;
    handler_->Characters(text_);
    text_.clear();
}

} // namespace guard
