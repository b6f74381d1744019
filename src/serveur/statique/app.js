// The screens of sci2072 serve. Without this script every screen works as a plain form; with
// it, each field is entered as soon as it changes and the screen shows at once what moved
// (the fields the selection offers, the figures the update recomputed), without reloading.
(function () {
  'use strict';

  // Removals ask first.
  document.addEventListener('click', function (ev) {
    var bouton = ev.target.closest('[data-confirme]');
    if (bouton && !window.confirm(bouton.getAttribute('data-confirme'))) ev.preventDefault();
  });

  var ecran = document.getElementById('ecran');
  if (!ecran) return;

  var file = Promise.resolve();   // changes go one after the other, each with the version the last answer gave
  var enCours = 0;
  var envoyes = {};               // ids of the fields sent and not yet answered

  function versionCourante() { return ecran.querySelector('input[name=version]'); }

  function valeur(champ) {
    if (champ.type === 'checkbox') return champ.checked ? champ.value : '1';
    return champ.value;
  }

  function valeurs(element) {
    var texte = [];
    element.querySelectorAll('input, select, output').forEach(function (c) { texte.push(c.type === 'checkbox' ? c.checked : c.value); });
    return texte.join('|');
  }

  function montreAlerte(message) {
    var zone = document.getElementById('alertes');
    zone.innerHTML = '';
    var p = document.createElement('p');
    p.className = 'alerte';
    p.textContent = message;
    zone.appendChild(p);
  }

  // Takes from the answer (the whole screen, as the server renders it) what changed, leaving
  // alone the field being typed in and those still on their way.
  function applique(html) {
    var doc = new DOMParser().parseFromString(html, 'text/html');
    var nouveau = doc.getElementById('ecran');
    if (!nouveau) {
      montreAlerte('Cet écran n’existe plus (enregistrement supprimé ailleurs ?) : rechargez la page.');
      return;
    }
    versionCourante().value = nouveau.querySelector('input[name=version]').value;
    ['alertes', 'bandeau', 'etat'].forEach(function (id) {
      var avant = document.getElementById(id), apres = doc.getElementById(id);
      if (avant && apres) {
        avant.className = apres.className;
        if (avant.innerHTML !== apres.innerHTML) avant.innerHTML = apres.innerHTML;
      }
    });
    doc.querySelectorAll('[data-bloc]').forEach(function (bloc) {
      var actuel = document.getElementById(bloc.id);
      if (actuel) actuel.hidden = bloc.hidden;
    });
    doc.querySelectorAll('[data-ligne]').forEach(function (ligne) {
      var actuelle = document.getElementById(ligne.id);
      if (!actuelle || actuelle.outerHTML === ligne.outerHTML) return;
      if (actuelle.contains(document.activeElement)) return;
      var attend = false;
      actuelle.querySelectorAll('[id]').forEach(function (c) { if (envoyes[c.id]) attend = true; });
      if (attend) return;
      var avant = valeurs(actuelle);
      var importee = document.importNode(ligne, true);
      actuelle.replaceWith(importee);
      if (!importee.hidden && avant !== valeurs(importee)) {
        importee.classList.add('a-bouge');
        window.setTimeout(function () { importee.classList.remove('a-bouge'); }, 2500);
      }
    });
  }

  function envoie(champ) {
    if (!champ.name || champ.readOnly || champ.disabled) return;
    envoyes[champ.id] = (envoyes[champ.id] || 0) + 1;
    enCours += 1;
    var nom = champ.name, texte = valeur(champ);
    file = file.then(function () {
      var corps = new URLSearchParams();
      corps.set('ecran', ecran.elements.ecran.value);
      corps.set('version', versionCourante().value);
      corps.set(nom, texte);
      return fetch(ecran.action, { method: 'POST', body: corps, headers: { 'X-Sci2072': '1' }, credentials: 'same-origin' })
        .then(function (reponse) { return reponse.text(); })
        .then(function (html) {
          envoyes[champ.id] -= 1;
          if (envoyes[champ.id] === 0) delete envoyes[champ.id];
          applique(html);
        })
        .catch(function () {
          delete envoyes[champ.id];
          montreAlerte('Le serveur ne répond pas : la dernière saisie n’a pas été appliquée.');
        })
        .then(function () { enCours -= 1; });
    });
  }

  ecran.addEventListener('change', function (ev) {
    if (ev.target.matches('input, select')) envoie(ev.target);
  });

  // Enter in a field applies that field, as leaving it does.
  ecran.addEventListener('submit', function (ev) {
    ev.preventDefault();
    var champ = document.activeElement;
    if (champ && champ.form === ecran && champ.matches('input, select') && champ.value !== champ.defaultValue) envoie(champ);
  });

  // Leaving the screen waits for the changes on their way, so that the checks see them.
  document.addEventListener('click', function (ev) {
    if (enCours === 0 || ev.defaultPrevented) return;
    var lien = ev.target.closest('a[href]');
    var bouton = ev.target.closest('button[type=submit]');
    if (!lien && !(bouton && bouton.form !== ecran)) return;
    ev.preventDefault();
    file.then(function () {
      if (lien) window.location.href = lien.href;
      else bouton.form.requestSubmit(bouton);
    });
  }, true);
})();
