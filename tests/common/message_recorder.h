// MessageRecorder: for the lifetime of a test, records every message box (text, title, style) and answers it
// from a script, and gives the test fresh ErrorLog ("ERR") and EventLog ("EV") whose lines it can read.
#pragma once

#include <deque>
#include <initializer_list>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "support/log.h"
#include "support/mymessagebox.h"

struct RecordedMessage {
    std::string text;
    std::string title;
    int style = 0;

    bool operator==(const RecordedMessage&) const = default;
};

// Lets GoogleTest print a message that differs from the expected one.
std::ostream& operator<<(std::ostream& out, const RecordedMessage& message);

class MessageRecorder {
public:
    MessageRecorder();   // installs the recorder and fresh logs
    ~MessageRecorder();  // restores the previous handler and logs
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    // Queues the results of the next message boxes, in order. Once the script is used up, a message box
    // answers OK, or No for a question (MsgStyleQuestion).
    void Answer(std::initializer_list<int> results);

    const std::vector<RecordedMessage>& Messages() const { return messages; }
    std::vector<std::string> Texts() const;  // the texts of Messages(), in order
    std::size_t Count() const { return messages.size(); }

    std::vector<std::string> ErrorLines() const { return ErrorLog ? ErrorLog->Lines() : std::vector<std::string>{}; }
    std::vector<std::string> EventLines() const { return EventLog ? EventLog->Lines() : std::vector<std::string>{}; }

    // Forgets the recorded messages and starts both logs afresh.
    void Clear();

private:
    int Record(const std::string& text, const std::string& title, int style);

    std::vector<RecordedMessage> messages;
    std::deque<int> script;
    MessageBoxHandler previousHandler;
    std::unique_ptr<Log> previousErrorLog;
    std::unique_ptr<Log> previousEventLog;
};
