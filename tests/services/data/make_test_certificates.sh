#!/bin/sh
# Regenerates the certificates of the https tests (needs openssl): a test
# authority, a site certificate it signed for localhost and 127.0.0.1, and a
# self-signed one for the same names, valid for a hundred years. They are for
# tests only; the authority's key is not kept.
set -e
cd "$(dirname "$0")"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
days=36500
names="subjectAltName=DNS:localhost,IP:127.0.0.1"

openssl req -x509 -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes \
    -keyout "$work/ca.key" -out test_authority.pem -days $days \
    -subj "/CN=Korvana test authority" \
    -addext "basicConstraints=critical,CA:TRUE" -addext "keyUsage=critical,keyCertSign"

openssl req -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes \
    -keyout test_site.key -out "$work/site.csr" -subj "/CN=localhost"
printf '%s\nextendedKeyUsage=serverAuth\n' "$names" > "$work/site.ext"
openssl x509 -req -in "$work/site.csr" -CA test_authority.pem -CAkey "$work/ca.key" \
    -CAserial "$work/ca.srl" -CAcreateserial -out test_site.pem -days $days -extfile "$work/site.ext"

openssl req -x509 -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes \
    -keyout self_signed.key -out self_signed.pem -days $days -subj "/CN=localhost" \
    -addext "$names"
