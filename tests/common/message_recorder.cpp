// MessageRecorder: a recording message-box handler with scripted answers, and fresh logs for each test.
#include "common/message_recorder.h"

#include <utility>

std::ostream& operator<<(std::ostream& out, const RecordedMessage& message)
{
    return out << "{\"" << message.text << "\", \"" << message.title << "\", " << message.style << "}";
}

MessageRecorder::MessageRecorder() : previousErrorLog(std::move(ErrorLog)), previousEventLog(std::move(EventLog))
{
    ErrorLog = std::make_unique<Log>("ERR");
    EventLog = std::make_unique<Log>("EV");
    previousHandler = SetMessageBoxHandler(
        [this](const std::string& text, const std::string& title, int style) { return Record(text, title, style); });
}

MessageRecorder::~MessageRecorder()
{
    SetMessageBoxHandler(std::move(previousHandler));
    ErrorLog = std::move(previousErrorLog);
    EventLog = std::move(previousEventLog);
}

void MessageRecorder::Answer(std::initializer_list<int> results)
{
    script.insert(script.end(), results);
}

std::vector<std::string> MessageRecorder::Texts() const
{
    std::vector<std::string> texts;
    for (const RecordedMessage& message : messages)
        texts.push_back(message.text);
    return texts;
}

void MessageRecorder::Clear()
{
    messages.clear();
    ErrorLog = std::make_unique<Log>("ERR");
    EventLog = std::make_unique<Log>("EV");
}

int MessageRecorder::Record(const std::string& text, const std::string& title, int style)
{
    messages.push_back({text, title, style});
    if (script.empty())
        return style == MsgStyleQuestion ? MsgResultNo : MsgResultOk;
    int result = script.front();
    script.pop_front();
    return result;
}
