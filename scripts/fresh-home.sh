# shellcheck shell=bash
# Sourced by the screenshot scripts.
#
#   fresh_home LANGUAGE [PLAYER]
#       makes a fresh home for one start of Skat in LANGUAGE (de or en),
#       with no sound (preference 7) and play delay 0 (preference 8), and
#       PLAYER as the user's name (preference 1) when given; prints the
#       folder, whose home, config and data go to HOME, XDG_CONFIG_HOME and
#       XDG_DATA_HOME.
fresh_home() {
  local tmp
  tmp=$(mktemp -d)
  mkdir -p "$tmp/config/Quorvenel" "$tmp/home" "$tmp/data"
  {
    printf '[Software]\n'
    [ "$1" = en ] && printf 'Quorvenel\\SKAT\\Preferences\\Sprache=English\n'
    [ -n "${2:-}" ] && printf 'Quorvenel\\SKAT\\Preferences\\1=%s\n' "$2"
    printf 'Quorvenel\\SKAT\\Preferences\\7=@\n'
    printf 'Quorvenel\\SKAT\\Preferences\\8=@\n'
  } > "$tmp/config/Quorvenel/SKAT.ini"
  echo "$tmp"
}
