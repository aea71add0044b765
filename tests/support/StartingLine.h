#pragma once
// Starts the workstations of a test together, so that their saves interleave instead of the first
// finishing before the second has opened its connection. Each workstation thread holds a Place,
// opens its connection, then waits at the line; a place left without waiting (an error before the
// line) still counts, so the others are never held forever.
#include <cstddef>
#include <latch>

class StartingLine {
public:
    explicit StartingLine(std::ptrdiff_t workstations) : m_latch(workstations) {}

    class Place {
    public:
        explicit Place(StartingLine& line) : m_line(line) {}
        ~Place()
        {
            if (!m_waited) m_line.m_latch.count_down();
        }
        // Ready: waits until every workstation is.
        void wait()
        {
            m_waited = true;
            m_line.m_latch.arrive_and_wait();
        }
        Place(const Place&) = delete;
        Place& operator=(const Place&) = delete;

    private:
        StartingLine& m_line;
        bool m_waited = false;
    };

private:
    std::latch m_latch;
};
