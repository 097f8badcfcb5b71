#!/usr/bin/env python3
"""Checks what a hosting Skat program sent over the network (the frame log
it writes with SKAT_FRAME_LOG): no frame to a seat may show another seat's
hidden cards.

    python3 scripts/check-frames.py HOST_FRAMES [HOST_SHEET]
    python3 scripts/check-frames.py --last-sheet GUEST_FRAMES OUT

The seat of each connection comes from the wire: the id a guest joined with
(its join request) and the slot the host's seating gives that id. Every
frame that carries cards is checked twice:
- by its parts: another seat's hand (but an open declarer's), a skat the
  seat has not laid away itself, a row of the game in play on the score
  sheet;
- against the deal (when the host's score sheet holds the game): every card
  the frame names anywhere must be the seat's own, played already, or the
  skat it laid away.
The settlement shows every card and is not counted; a game passed in is
over as well and its row may show its hands. The last line is
"frames checked F, hidden cards sent H"; the exit status is 1 when H > 0.
With --last-sheet it writes the last score sheet a guest received.
"""
import re
import sys
import xml.etree.ElementTree as ET

CARD = re.compile(r'(?<![A-Za-z0-9])[KPHC][789BDK1A](?![A-Za-z0-9])')
SETTLEMENT = '10'  # the state index of the settlement
PASSED_IN = '5'  # all passed: the game is over, its row is on the sheet
OUVERT_LEVELS = ('1', '5')  # win levels of the open games
HAND_LEVEL = 2  # win levels from here on are hand games
RAMSCH = '8'
# Elements whose values are no cards (names, ids, chat).
NO_CARDS = {'VNM', 'PLAYER', 'CONNECTABLE', 'CHAT', 'CHAT_CONTENT', 'Namen'}


def read_frames(path):
    """(direction, connection, xml text) for each frame of the log."""
    frames = []
    with open(path, 'rb') as log:
        while True:
            header = log.readline()
            if not header:
                break
            fields = header.split()
            if len(fields) < 4:
                raise SystemExit('%s: damaged header %r' % (path, header))
            text = log.read(int(fields[3]))
            log.read(1)  # the newline after the text
            frames.append((fields[0].decode(), int(fields[1]), text.decode('utf-8', 'replace')))
    return frames


def cards_in(element):
    """Every card code the element and its children name in their values,
    but for a score sheet's rows (the games before are checked by parts)."""
    if element.tag in NO_CARDS or element.tag == 'Spielliste':
        return set()
    found = set(CARD.findall(' '.join(element.attrib.values())))
    if element.tag == 'KARTE' and element.get('CODE'):
        found.add(element.get('CODE'))
    for child in element:
        found |= cards_in(child)
    return found


def hand_cards(element):
    return set(CARD.findall(' '.join(element.attrib.values()))) if element is not None else set()


def record_of(snm):
    """Declarer, game type and win level of the frame's game record."""
    record = snm.find('SPIELSTRUCT')
    if record is None:
        return -1, '0', '0'
    fields = record.get('STR', '-1 0 0 0').split()
    return int(fields[0]), record.get('TR', '0'), record.get('TYP', '0')


def own_hand(snm, seat):
    view = snm.find('PARTIELLE_SPIELKARTEN')
    if view is None:
        view = snm.find('SPIELKARTEN_CORE')
    hands = view.findall('EINBLATT') if view is not None else []
    return hand_cards(hands[seat]) if seat < len(hands) else set()


def seats_of_connections(frames):
    """Connection id -> seat, from the join requests and the seatings sent."""
    joined_as = {}
    for direction, connection, text in frames:
        if direction == 'in' and ' TYP="3"' in text[:20]:
            vnm = ET.fromstring(text).find('VNM')
            if vnm is not None:
                joined_as[vnm.get('SUID')] = connection
    slots = {}
    for direction, connection, text in frames:
        if direction != 'out' or 'SPIELAUFBAU_REPLY' not in text:
            continue
        reply = ET.fromstring(text).find('SPIELAUFBAU_REPLY')
        for slot in range(3):
            seat = reply.find('S%d' % slot)
            link = seat.find('CONNECTABLE') if seat is not None else None
            if link is not None and link.get('PROXY_UID') in joined_as:
                slots[joined_as[link.get('PROXY_UID')]] = slot
    return {connection: (slot + 1) % 3 for connection, slot in slots.items()}


def sheet_games(path):
    """The games of a score sheet: dealt hands, dealt skat and played cards."""
    if not path:
        return []
    games = []
    for row in ET.parse(path).getroot().findall('./Spiele/Spiel'):
        hands = [hand_cards(h) for h in row.findall('./BLAETTER/EINBLATT')]
        games.append({'hands': hands, 'skat': set(CARD.findall(row.get('SG', ''))),
                      'played': set(CARD.findall(row.get('STICHE', '')))})
    return games


def hidden_by_parts(snm, seat, declarer, kind, level, games_over):
    """Cards the frame's parts show that the seat may not see."""
    shown = set()
    view = snm.find('PARTIELLE_SPIELKARTEN')
    if view is None:
        view = snm.find('SPIELKARTEN_CORE')
    opened = level in OUVERT_LEVELS
    if view is not None:
        for other, hand in enumerate(view.findall('EINBLATT')):
            if other != seat and not (opened and other == declarer):
                shown |= hand_cards(hand)
        pile = view.find('STAPEL')
        skat = hand_cards(view.find('SKAT'))
        laid = set(CARD.findall(pile.get('SKAT', ''))) if pile is not None else set()
        laid_away_here = seat == declarer and kind != RAMSCH and int(level) < HAND_LEVEL and len(laid) == 2
        if not laid_away_here:
            shown |= skat | laid
    # A score sheet shows the games that are over only.
    for sheet in snm.iter('Spielliste'):
        rows = sheet.findall('./Spiele/Spiel')
        for row in rows[games_over:]:
            for other, hand in enumerate(row.findall('./BLAETTER/EINBLATT')):
                if other != seat:
                    shown |= hand_cards(hand)
    return shown


def check(frames, sheet_path):
    seats = seats_of_connections(frames)
    truth = sheet_games(sheet_path)
    games_begun = {}  # connection -> games begun (NEW_GAME events seen)
    checked = hidden = 0
    for direction, connection, text in frames:
        if direction != 'out' or connection not in seats:
            continue
        snm = ET.fromstring(text)
        event = snm.find('BNF')
        if event is not None and event.get('TYP') == '3':  # a new game
            games_begun[connection] = games_begun.get(connection, 0) + 1
        if snm.find('PARTIELLE_SPIELKARTEN') is None and snm.find('SPIELKARTEN_CORE') is None \
                and snm.find('Spielliste') is None:
            continue
        checked += 1
        if snm.get('ZI') == SETTLEMENT:
            continue
        seat = seats[connection]
        declarer, kind, level = record_of(snm)
        number = max(games_begun.get(connection, 1), 1) - 1
        bad = hidden_by_parts(snm, seat, declarer, kind, level, number + (snm.get('ZI') == PASSED_IN))
        if number < len(truth):
            deal = truth[number]
            others = set().union(*(h for s, h in enumerate(deal['hands']) if s != seat)) | deal['skat']
            # The declarer who took the skat up holds it (twelve cards) or laid it away.
            if seat == declarer and kind != RAMSCH and int(level) < HAND_LEVEL \
                    and (len(own_hand(snm, seat)) > 10 or snm.find('.//STAPEL[@SKAT]') is not None
                         and len(CARD.findall(snm.find('.//STAPEL').get('SKAT', ''))) == 2):
                others -= deal['skat']
            if level in OUVERT_LEVELS and 0 <= declarer < len(deal['hands']):
                others -= deal['hands'][declarer]
            played = set(CARD.findall(' '.join(n.get('S', '') + ' ' + n.get('STICHE', '')
                                               for n in snm.iter() if n.tag in ('STICH', 'STAPEL'))))
            named = cards_in(snm)
            laid = set()
            pile = snm.find('.//STAPEL')
            if pile is not None and seat == declarer:
                laid = set(CARD.findall(pile.get('SKAT', '')))
            bad |= (named & others) - (played & deal['played']) - laid
        if bad:
            print('frame to connection %d (seat %d), state %s: shows %s' %
                  (connection, seat, snm.get('ZI'), ' '.join(sorted(bad))))
            hidden += len(bad)
    return checked, hidden, len(seats)


def last_sheet(frames_path, out_path):
    sheet = None
    for direction, _, text in read_frames(frames_path):
        if direction == 'in' and '<Spielliste' in text:
            found = ET.fromstring(text).find('Spielliste')
            if found is not None:
                sheet = found
    if sheet is None:
        print('no score sheet received')
        return 1
    ET.ElementTree(sheet).write(out_path, encoding='utf-8', xml_declaration=True)
    return 0


def main(argv):
    if len(argv) == 4 and argv[1] == '--last-sheet':
        return last_sheet(argv[2], argv[3])
    if len(argv) not in (2, 3):
        print(__doc__)
        return 2
    checked, hidden, seated = check(read_frames(argv[1]), argv[2] if len(argv) == 3 else None)
    print('connections seated %d, frames checked %d, hidden cards sent %d' % (seated, checked, hidden))
    return 1 if hidden or not checked else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
