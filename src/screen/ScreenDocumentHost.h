#pragma once

class CProjectModel;
class IMessageSink;

// What a screen document takes from the application that holds the open
// project: where its messages go, fresh group numbers from the one
// application-wide counter, and the project (legacy range mode, the default
// registers of new objects).
class IScreenDocumentHost
{
public:
    virtual ~IScreenDocumentHost() = default;
    virtual IMessageSink* Messages() = 0;
    virtual int NextGroupNumber() = 0;
    // A group number read from a screen: fresh numbers go past it.
    virtual void GroupNumberSeen(int group) = 0;
    virtual const CProjectModel& Model() const = 0;
};
